# The program's texts in other languages. The catalogues (translations/quillmark_<lang>.ts) are
# kept with the sources; lupdate collects the texts of every library's sources into them
# (`cmake --build build --target update_translations`), and lrelease makes the .qm files the
# program carries in its resources at ":/i18n/", beside nothing else it reads at start.
set(QUILLMARK_LANGUAGES de fr)
set(QUILLMARK_TS_FILES)
foreach(language IN LISTS QUILLMARK_LANGUAGES)
    list(APPEND QUILLMARK_TS_FILES ${PROJECT_SOURCE_DIR}/translations/quillmark_${language}.ts)
endforeach()

# Every source of every library and of the program, by its full path.
set(QUILLMARK_TRANSLATED_SOURCES)
foreach(target quillmark_common quillmark_core quillmark_settings quillmark_report quillmark_cli
               quillmark_lib quillmark)
    get_target_property(sources ${target} SOURCES)
    get_target_property(folder ${target} SOURCE_DIR)
    foreach(source IN LISTS sources)
        if(source MATCHES "\\.(cpp|h)$")
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${folder})
            list(APPEND QUILLMARK_TRANSLATED_SOURCES ${source})
        endif()
    endforeach()
endforeach()
list(SORT QUILLMARK_TRANSLATED_SOURCES)
# The same list for the check that the catalogues hold every text (tests/scripts/lupdate_check.sh).
string(REPLACE ";" "\n" sources_lines "${QUILLMARK_TRANSLATED_SOURCES}")
file(WRITE ${PROJECT_BINARY_DIR}/lupdate-sources.lst "-I${PROJECT_SOURCE_DIR}/src\n${sources_lines}\n")

qt_add_lupdate(quillmark_common TS_FILES ${QUILLMARK_TS_FILES}
               SOURCES ${QUILLMARK_TRANSLATED_SOURCES}
               INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
               OPTIONS -locations none)
qt_add_lrelease(quillmark_common TS_FILES ${QUILLMARK_TS_FILES}
                QM_FILES_OUTPUT_VARIABLE QUILLMARK_QM_FILES)
qt_add_resources(quillmark_common "quillmark_translations" PREFIX "/i18n"
                 BASE ${PROJECT_BINARY_DIR} FILES ${QUILLMARK_QM_FILES})
