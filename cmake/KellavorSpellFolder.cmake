# The German spell folder: Debian's de_DE files (hunspell-de-de) with our suggestion settings
# (ime/lexicon/spell/de_DE_suggestions.txt) applied to the copy of the affix file.
set(KELLAVOR_SPELL_FOLDER "/usr/share/hunspell" CACHE PATH "Folder of de_DE.aff and de_DE.dic (Debian's hunspell-de-de)")
set(KELLAVOR_SPELL_SETTINGS "${PROJECT_SOURCE_DIR}/ime/lexicon/spell/de_DE_suggestions.txt")
set(KELLAVOR_ASSEMBLE_SPELL_FOLDER "${PROJECT_SOURCE_DIR}/cmake/assemble-spell-folder.cmake")

# kellavor_add_spell_folder(DESTINATION folder OUTPUTS variable [STOCK])
# A build step writing DESTINATION/de_DE.aff and de_DE.dic; their paths go into variable for the
# DEPENDS of a target. STOCK copies Debian's files without our settings.
function(kellavor_add_spell_folder)
  cmake_parse_arguments(ARG "STOCK" "DESTINATION;OUTPUTS" "" ${ARGN})
  set(settings_arguments -DSETTINGS=${KELLAVOR_SPELL_SETTINGS})
  set(settings_dependency "${KELLAVOR_SPELL_SETTINGS}")
  if(ARG_STOCK)
    set(settings_arguments "")
    set(settings_dependency "")
  endif()
  set(outputs "${ARG_DESTINATION}/de_DE.aff" "${ARG_DESTINATION}/de_DE.dic")
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${KELLAVOR_SPELL_FOLDER} -DDESTINATION=${ARG_DESTINATION}
      ${settings_arguments} -P "${KELLAVOR_ASSEMBLE_SPELL_FOLDER}"
    DEPENDS "${KELLAVOR_SPELL_FOLDER}/de_DE.aff" "${KELLAVOR_SPELL_FOLDER}/de_DE.dic" ${settings_dependency}
      "${KELLAVOR_ASSEMBLE_SPELL_FOLDER}"
    COMMENT "Writing the spell folder ${ARG_DESTINATION}"
    VERBATIM)
  set(${ARG_OUTPUTS} ${outputs} PARENT_SCOPE)
endfunction()

# kellavor_use_spell_files(TEST)
# Before TEST runs, a CTest fixture writes the shipped spell files into the test's build folder;
# the test finds them through the environment variable KELLAVOR_SPELL_FILES.
function(kellavor_use_spell_files test)
  if(NOT TEST ${test})
    return()
  endif()
  set(folder "${CMAKE_CURRENT_BINARY_DIR}/${test}.spell")
  add_test(NAME ${test}_spell_files
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${KELLAVOR_SPELL_FOLDER} -DDESTINATION=${folder}
      -DSETTINGS=${KELLAVOR_SPELL_SETTINGS} -P "${KELLAVOR_ASSEMBLE_SPELL_FOLDER}")
  set_tests_properties(${test}_spell_files PROPERTIES FIXTURES_SETUP ${test}_spell)
  set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED ${test}_spell)
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT "KELLAVOR_SPELL_FILES=${folder}")
endfunction()
