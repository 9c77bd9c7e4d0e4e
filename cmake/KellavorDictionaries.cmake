# The fixture dictionaries: the handwritten sources under tests/fixtures/dictionary/ turned by the
# dictionary writer into data_si.bin, data_ph.bin, data_de.bin and the module's data resources, in
# the build tree. The native build runs its own dictbuild. The Windows build has no native writer:
# it runs the one named by KELLAVOR_DICTBUILD, so the native-release preset's dictbuild target has
# to be built first.
set(KELLAVOR_FIXTURE_DICTIONARIES "${CMAKE_BINARY_DIR}/tests/fixtures/dictionary")
set(kellavor_fixture_outputs
  "${KELLAVOR_FIXTURE_DICTIONARIES}/data_si.bin"
  "${KELLAVOR_FIXTURE_DICTIONARIES}/data_ph.bin"
  "${KELLAVOR_FIXTURE_DICTIONARIES}/data_de.bin"
  "${KELLAVOR_FIXTURE_DICTIONARIES}/Pylist-163.bin"
  "${KELLAVOR_FIXTURE_DICTIONARIES}/Gbtobig5-161.bin"
  "${KELLAVOR_FIXTURE_DICTIONARIES}/23-168.bin")

if(WIN32)
  set(KELLAVOR_DICTBUILD "" CACHE FILEPATH "Native dictbuild executable that writes the dictionaries for this build")
  if(NOT KELLAVOR_DICTBUILD)
    message(FATAL_ERROR "KELLAVOR_DICTBUILD must name a native dictbuild (the native-release preset builds it)")
  endif()
  if(NOT EXISTS "${KELLAVOR_DICTBUILD}")
    message(WARNING "${KELLAVOR_DICTBUILD} does not exist yet: build the native-release preset's dictbuild target first")
  endif()
  set(kellavor_dictbuild_command "${KELLAVOR_DICTBUILD}")
else()
  set(kellavor_dictbuild_command "$<TARGET_FILE:dictbuild>")
endif()

# Resource script of the data resources in a folder the writer produced.
function(kellavor_write_data_resources_rc rc folder)
  file(WRITE "${rc}"
    "// Generated: the data resources written by dictbuild.\n"
    "LANGUAGE 4, 2\n"
    "163 Pylist \"${folder}/Pylist-163.bin\"\n"
    "161 Gbtobig5 \"${folder}/Gbtobig5-161.bin\"\n"
    "168 HTML \"${folder}/23-168.bin\"\n")
endfunction()

# Called once, from tests/fixtures: the command that writes the fixture dictionaries.
function(kellavor_add_fixture_dictionaries)
  set(sources_dir "${PROJECT_SOURCE_DIR}/tests/fixtures/dictionary")
  set(detail_template "${PROJECT_SOURCE_DIR}/ime/resources/detail_template.html")
  set(depends "${sources_dir}/chars.tsv" "${sources_dir}/phrases.tsv" "${sources_dir}/words.tsv"
    "${sources_dir}/traditional.tsv" "${detail_template}")
  if(WIN32)
    list(APPEND depends "${KELLAVOR_DICTBUILD}")
  else()
    list(APPEND depends dictbuild)
  endif()
  add_custom_command(OUTPUT ${kellavor_fixture_outputs}
    COMMAND ${kellavor_dictbuild_command} fixture "${sources_dir}" "${KELLAVOR_FIXTURE_DICTIONARIES}"
      --template "${detail_template}"
    DEPENDS ${depends}
    COMMENT "Writing the fixture dictionaries"
    VERBATIM)
  add_custom_target(kellavor_fixture_dictionaries DEPENDS ${kellavor_fixture_outputs})
endfunction()

# For a test executable of the current folder: the fixture dictionaries are written before it is
# built, and its test finds them through KELLAVOR_FIXTURE_DICTIONARIES. Natively they are also its
# resource folder; a Windows test executable carries them as its own resources.
function(kellavor_use_fixture_dictionaries test)
  if(NOT TARGET ${test})
    return()
  endif()
  add_dependencies(${test} kellavor_fixture_dictionaries)
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT "KELLAVOR_FIXTURE_DICTIONARIES=${KELLAVOR_FIXTURE_DICTIONARIES}")
  if(WIN32)
    set(rc "${CMAKE_BINARY_DIR}/tests/fixtures/fixture_resources.rc")
    kellavor_write_data_resources_rc("${rc}" "${KELLAVOR_FIXTURE_DICTIONARIES}")
    set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${kellavor_fixture_outputs}")
    target_sources(${test} PRIVATE "${rc}")
  endif()
endfunction()
