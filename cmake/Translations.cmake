# The program's translations: one translations/angulor_<language>.ts per language, made into
# .qm files that the program carries as resources under :/translations. The target
# update_translations refreshes the .ts files from the code; it keeps what is translated.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

set(ANGULOR_TS_FILES)
foreach(language IN LISTS ANGULOR_LANGUAGES)
    list(APPEND ANGULOR_TS_FILES ${PROJECT_SOURCE_DIR}/translations/angulor_${language}.ts)
endforeach()

# The help text beside the program: the English file and one per language.
set(ANGULOR_HELP_FILES ${PROJECT_SOURCE_DIR}/data/ang_help.txt)
foreach(language IN LISTS ANGULOR_LANGUAGES)
    list(APPEND ANGULOR_HELP_FILES ${PROJECT_SOURCE_DIR}/data/ang_help.${language}.txt)
endforeach()

file(GLOB_RECURSE translated_sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
qt_add_lupdate(platform
    TS_FILES ${ANGULOR_TS_FILES}
    SOURCES ${translated_sources}
    # The core marks its English texts with CORE_TEXT, read as QT_TRANSLATE_NOOP.
    OPTIONS -tr-function-alias QT_TRANSLATE_NOOP+=CORE_TEXT
            -source-language en -locations none -no-obsolete -silent)

qt_add_lrelease(platform
    TS_FILES ${ANGULOR_TS_FILES}
    OPTIONS -silent
    QM_FILES_OUTPUT_VARIABLE qm_files)
qt_add_resources(platform angulor_translations
    PREFIX /translations
    BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${qm_files})
