# GoogleTest for both builds and a helper that turns a list of *_test.cpp files into one CTest entry.
if(NOT KELLAVOR_TESTS)
  function(kellavor_add_test)
  endfunction()
  return()
endif()

enable_testing()

# The layer rule on the #include lines under ime/ (cmake/LayerCheck.cmake); it reads the sources only.
add_test(NAME kellavor_layer_check
  COMMAND "${CMAKE_COMMAND}" "-DSOURCE_DIR=${PROJECT_SOURCE_DIR}" -P "${PROJECT_SOURCE_DIR}/cmake/LayerCheck.cmake")

if(WIN32)
  # mingw has no packaged GoogleTest: build Debian's sources with the cross compiler.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
  add_library(kellavor_gtest INTERFACE)
  target_link_libraries(kellavor_gtest INTERFACE gtest_main gmock)
else()
  find_package(GTest REQUIRED)
  add_library(kellavor_gtest INTERFACE)
  target_link_libraries(kellavor_gtest INTERFACE GTest::gtest_main GTest::gmock)
endif()

# kellavor_add_test(NAME SOURCES a_test.cpp ... LIBRARIES lib ... [NEEDS_DISPLAY])
# One executable per call; under the Windows build CTest runs it through the Wine wrapper.
function(kellavor_add_test name)
  cmake_parse_arguments(ARG "NEEDS_DISPLAY" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} kellavor_gtest kellavor_options)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "KELLAVOR_TEST_TMP=${CMAKE_CURRENT_BINARY_DIR}/${name}.tmp"
    TIMEOUT 600)
  if(WIN32 AND ARG_NEEDS_DISPLAY)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "KELLAVOR_WINE_DISPLAY=1")
  endif()
endfunction()
