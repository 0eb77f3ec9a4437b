# The window's translations: translations/travonix_<language>.ts, made into
# .qm files by lrelease at build time and built into the program as the
# resource :/translations/ (TRAVONIX_TRANSLATIONS_RESOURCE, the source file
# to add). English holds only the plural forms of the texts with a number.
set(translations_dir ${PROJECT_SOURCE_DIR}/translations)
set(translated_ts)
foreach(language IN LISTS TRAVONIX_LANGUAGES)
    list(APPEND translated_ts ${translations_dir}/travonix_${language}.ts)
endforeach()
set(english_ts ${translations_dir}/travonix_en.ts)

set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
set_source_files_properties(${english_ts} ${translated_ts} PROPERTIES OUTPUT_LOCATION ${qm_dir})
qt5_add_translation(qm_files ${english_ts} ${translated_ts})

set(qrc_entries)
foreach(qm IN LISTS qm_files)
    get_filename_component(qm_name ${qm} NAME)
    string(APPEND qrc_entries "        <file alias=\"${qm_name}\">${qm}</file>\n")
endforeach()
set(qrc_file ${CMAKE_CURRENT_BINARY_DIR}/translations.qrc)
file(CONFIGURE OUTPUT ${qrc_file}
     CONTENT "<RCC>\n    <qresource prefix=\"/translations\">\n${qrc_entries}    </qresource>\n</RCC>\n")
qt5_add_resources(TRAVONIX_TRANSLATIONS_RESOURCE ${qrc_file})

# Brings the .ts files in step with the texts of ui/ and flow/ (never part
# of the build): new texts come in unfinished, texts gone are dropped. No
# source locations, so that a moved line changes no translation file.
add_custom_target(update_translations
    COMMAND Qt5::lupdate -silent -no-obsolete -locations none ui flow -ts ${translated_ts}
    COMMAND Qt5::lupdate -silent -no-obsolete -locations none -pluralonly ui flow -ts ${english_ts}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    VERBATIM)
