# Target kellavor_hunspell: the Hunspell library the speller links.
# Natively Debian's libhunspell (pkg-config "hunspell"). In the Windows build the same version,
# compiled with the cross compiler from Debian's source package: scripts/fetch-hunspell-source.sh
# unpacks the source of the installed libhunspell-dev into build/third_party/ (fetching it only
# when it is not there yet) and the library sources are built here as a static library.
if(NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(HUNSPELL REQUIRED IMPORTED_TARGET hunspell)
  add_library(kellavor_hunspell INTERFACE)
  target_link_libraries(kellavor_hunspell INTERFACE PkgConfig::HUNSPELL)
  return()
endif()

set(KELLAVOR_THIRD_PARTY_DIR "${PROJECT_SOURCE_DIR}/build/third_party" CACHE PATH
  "Folder for unpacked source packages, shared by the Windows builds")
execute_process(
  COMMAND bash "${PROJECT_SOURCE_DIR}/scripts/fetch-hunspell-source.sh" "${KELLAVOR_THIRD_PARTY_DIR}"
  OUTPUT_VARIABLE fetch_output
  RESULT_VARIABLE fetch_result
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT fetch_result EQUAL 0)
  message(FATAL_ERROR "Hunspell's source package could not be fetched (scripts/fetch-hunspell-source.sh)")
endif()
string(REGEX REPLACE "^.*\n" "" KELLAVOR_HUNSPELL_SOURCE "${fetch_output}")
message(STATUS "Hunspell source: ${KELLAVOR_HUNSPELL_SOURCE}")

# The library is the src/hunspell folder alone; its shipped hunvisapi.h needs no configure run
# once HUNSPELL_STATIC is defined, and nothing includes a config.h.
file(GLOB hunspell_sources CONFIGURE_DEPENDS "${KELLAVOR_HUNSPELL_SOURCE}/src/hunspell/*.cxx")
add_library(kellavor_hunspell STATIC ${hunspell_sources})
target_compile_definitions(kellavor_hunspell PUBLIC HUNSPELL_STATIC PRIVATE BUILDING_LIBHUNSPELL)
target_include_directories(kellavor_hunspell SYSTEM PUBLIC "${KELLAVOR_HUNSPELL_SOURCE}/src/hunspell")
# Third-party code: its warnings are not ours to fix.
target_compile_options(kellavor_hunspell PRIVATE -w)
