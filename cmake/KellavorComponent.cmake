# kellavor_component(NAME [NEEDS_DISPLAY] [LIBRARIES lib ...])
# Builds the static library kellavor_NAME from the folder's *.cpp files and those of its backend
# folder (win32/ in the Windows build, posix/ natively), and one test executable from the *_test.cpp
# files beside them. Files of a sim/ folder belong to the library in both builds. NEEDS_DISPLAY runs
# the Windows tests under Xvfb (for tests that create windows).
function(kellavor_component name)
  cmake_parse_arguments(ARG "NEEDS_DISPLAY" "" "LIBRARIES" ${ARGN})
  if(WIN32)
    set(backend win32)
  else()
    set(backend posix)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp"
    "${CMAKE_CURRENT_SOURCE_DIR}/sim/*.cpp"
    "${CMAKE_CURRENT_SOURCE_DIR}/${backend}/*.cpp")
  set(tests ${sources})
  list(FILTER sources EXCLUDE REGEX "_test\\.cpp$")
  list(FILTER tests INCLUDE REGEX "_test\\.cpp$")

  add_library(kellavor_${name} STATIC ${sources})
  target_include_directories(kellavor_${name} PUBLIC "${PROJECT_SOURCE_DIR}")
  target_link_libraries(kellavor_${name} PUBLIC ${ARG_LIBRARIES} PRIVATE kellavor_options)
  if(tests)
    set(display "")
    if(ARG_NEEDS_DISPLAY)
      set(display NEEDS_DISPLAY)
    endif()
    kellavor_add_test(kellavor_${name}_tests SOURCES ${tests} LIBRARIES kellavor_${name} ${display})
  endif()
endfunction()
