# Compiler flags shared by every target of the project.
add_library(kellavor_options INTERFACE)
target_compile_options(kellavor_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  $<$<BOOL:${KELLAVOR_WERROR}>:-Werror>
  # GCC 12 reports false -Wrestrict overlaps inside std::string at -O3, a known regression of that version.
  $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)

if(KELLAVOR_SANITIZE)
  target_compile_options(kellavor_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(kellavor_options INTERFACE -fsanitize=address,undefined)
endif()

if(KELLAVOR_FUZZ)
  # Every library carries the fuzzer's coverage counters; only the fuzz targets link its main.
  target_compile_options(kellavor_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

if(WIN32)
  # The produced binaries must run without any mingw runtime beside them.
  target_compile_definitions(kellavor_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
    _WIN32_WINNT=0x0601)
  target_link_options(kellavor_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()
