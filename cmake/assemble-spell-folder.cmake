# Writes the shipped spell folder: Debian's de_DE.dic as it is, and a copy of Debian's de_DE.aff
# with our suggestion settings. Each setting replaces Debian's line of the same keyword, because
# Hunspell refuses a second definition of an affix-file parameter and stops reading the file there.
#
#   cmake -DSOURCE=<folder of de_DE.aff and de_DE.dic> -DDESTINATION=<folder>
#         [-DSETTINGS=<file of single-line affix settings>] -P assemble-spell-folder.cmake
#
# Without SETTINGS both files are copied unchanged.
cmake_minimum_required(VERSION 3.25)

foreach(variable SOURCE DESTINATION)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "assemble-spell-folder: ${variable} is not set")
  endif()
endforeach()

file(MAKE_DIRECTORY "${DESTINATION}")
file(COPY_FILE "${SOURCE}/de_DE.dic" "${DESTINATION}/de_DE.dic" ONLY_IF_DIFFERENT)
if(NOT SETTINGS)
  file(COPY_FILE "${SOURCE}/de_DE.aff" "${DESTINATION}/de_DE.aff" ONLY_IF_DIFFERENT)
  return()
endif()

file(READ "${SOURCE}/de_DE.aff" affix)
file(READ "${SETTINGS}" settings)
# The settings are written in UTF-8; a dictionary in another encoding would read them wrongly.
if(NOT affix MATCHES "\nSET[ \t]+UTF-8[ \t\r]*\n")
  message(FATAL_ERROR "assemble-spell-folder: ${SOURCE}/de_DE.aff is not declared UTF-8")
endif()

string(REGEX MATCHALL "(^|\n)[A-Z][A-Z0-9]*" keys "${settings}")
foreach(key IN LISTS keys)
  string(STRIP "${key}" key)
  if(key MATCHES "^(SET|PFX|SFX|REP|MAP|PHONE|BREAK|AF|AM|ICONV|OCONV|CHECKCOMPOUNDPATTERN|COMPOUNDRULE)$")
    message(FATAL_ERROR "assemble-spell-folder: ${key} is not a single-line setting")
  endif()
  # One pass leaves the second of two adjacent lines (each match takes the line's newline).
  while(TRUE)
    string(REGEX REPLACE "\n${key}([ \t\r][^\n]*)?(\n|$)" "\n" without "${affix}")
    if(without STREQUAL affix)
      break()
    endif()
    set(affix "${without}")
  endwhile()
endforeach()

file(WRITE "${DESTINATION}/de_DE.aff.tmp" "${affix}\n${settings}")
file(RENAME "${DESTINATION}/de_DE.aff.tmp" "${DESTINATION}/de_DE.aff")
