# Target kellavor_httplib: the HTTP server library of the dictionary site.
# Natively Debian's libcpp-httplib (pkg-config "cpp-httplib"). In the Windows build the same
# version's header-only source, unpacked from Debian's source package into build/third_party/ by
# scripts/fetch-source-package.sh, with the platform's socket library.
if(NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(CPP_HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
  add_library(kellavor_httplib INTERFACE)
  target_link_libraries(kellavor_httplib INTERFACE PkgConfig::CPP_HTTPLIB)
  return()
endif()

set(KELLAVOR_THIRD_PARTY_DIR "${PROJECT_SOURCE_DIR}/build/third_party" CACHE PATH
  "Folder for unpacked source packages, shared by the Windows builds")
execute_process(
  COMMAND bash "${PROJECT_SOURCE_DIR}/scripts/fetch-source-package.sh" libcpp-httplib-dev cpp-httplib httplib.h
    "${KELLAVOR_THIRD_PARTY_DIR}"
  OUTPUT_VARIABLE fetch_output
  RESULT_VARIABLE fetch_result
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT fetch_result EQUAL 0)
  message(FATAL_ERROR "cpp-httplib's source package could not be fetched (scripts/fetch-source-package.sh)")
endif()
string(REGEX REPLACE "^.*\n" "" KELLAVOR_HTTPLIB_SOURCE "${fetch_output}")
message(STATUS "cpp-httplib source: ${KELLAVOR_HTTPLIB_SOURCE}")
add_library(kellavor_httplib INTERFACE)
target_include_directories(kellavor_httplib SYSTEM INTERFACE "${KELLAVOR_HTTPLIB_SOURCE}")
target_link_libraries(kellavor_httplib INTERFACE ws2_32)
