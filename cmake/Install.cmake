# Installs Quillmark as a desktop program. The program reads its settings and layout from the
# folder it starts in, so the command users run, games/quillmark, is a launcher that prepares a
# per-user folder and starts the program there, passing on the character file to open. The program itself
# keeps its file name "quillmark" (its window and message titles come from that name) in a
# folder of its own under libexec.
include(GNUInstallDirs)

# A game's commands go in games/ beside bin/ (Debian policy 11.11); /usr/games is on the PATH.
set(QUILLMARK_LAUNCHER_DIR games)

set(QUILLMARK_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/quillmark)
set(QUILLMARK_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quillmark)
set(QUILLMARK_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS quillmark RUNTIME DESTINATION ${QUILLMARK_PROGRAM_DIR})

# The launcher finds the program and the default layout relative to itself, so an installed
# tree works wherever it is unpacked.
file(RELATIVE_PATH QUILLMARK_PROGRAM_FROM_BIN /${QUILLMARK_LAUNCHER_DIR}
     /${QUILLMARK_PROGRAM_DIR}/quillmark)
file(RELATIVE_PATH QUILLMARK_DATA_FROM_BIN /${QUILLMARK_LAUNCHER_DIR} /${QUILLMARK_DATA_DIR})
# The launcher chooses the layout for the desktop's language as `make run` does.
file(READ ${PROJECT_SOURCE_DIR}/scripts/default-layout.sh QUILLMARK_DEFAULT_LAYOUT_FUNCTION)
configure_file(${PROJECT_SOURCE_DIR}/scripts/quillmark-launcher.in
               ${PROJECT_BINARY_DIR}/quillmark-launcher @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/quillmark-launcher DESTINATION ${QUILLMARK_LAUNCHER_DIR}
        RENAME quillmark)

install(FILES ${PROJECT_SOURCE_DIR}/data/io.github.quillmark.quillmark.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/quillmark-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quillmark.xml)

# The default layout and the help pages, when they are there, each also in a folder per language
# (data/de/qmsheet.rav, data/help/de/); the globs are checked again at every build so that a file
# added later is installed without a fresh configure.
file(GLOB QUILLMARK_LAYOUT CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/qmsheet.rav)
install(FILES ${QUILLMARK_LAYOUT} DESTINATION ${QUILLMARK_DATA_DIR})
# The JSON Schema of the character export, for those who read the exports elsewhere.
install(FILES ${PROJECT_SOURCE_DIR}/data/quillmark-character.schema.json
        DESTINATION ${QUILLMARK_DATA_DIR})
file(GLOB QUILLMARK_HELP CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/help/*.html)
install(FILES ${QUILLMARK_HELP} DESTINATION ${QUILLMARK_DATA_DIR}/help)
file(GLOB QUILLMARK_LANGUAGE_LAYOUTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*/qmsheet.rav)
foreach(layout IN LISTS QUILLMARK_LANGUAGE_LAYOUTS)
    get_filename_component(folder ${layout} DIRECTORY)
    get_filename_component(language ${folder} NAME)
    install(FILES ${layout} DESTINATION ${QUILLMARK_DATA_DIR}/${language})
    file(GLOB help CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/help/${language}/*.html)
    install(FILES ${help} DESTINATION ${QUILLMARK_DATA_DIR}/help/${language})
endforeach()

# The icon: the drawing itself for scalable use and a PNG rendered from it at each fixed size.
file(GLOB QUILLMARK_ICON_SVG CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/images/quillmark-icon.svg)
if(QUILLMARK_ICON_SVG)
    set(QUILLMARK_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${QUILLMARK_ICON_SVG} DESTINATION ${QUILLMARK_ICON_DIR}/scalable/apps
            RENAME quillmark.svg)

    set(QUILLMARK_ICON_PNGS)
    foreach(size IN LISTS QUILLMARK_ICON_SIZES)
        set(folder ${PROJECT_BINARY_DIR}/icons/${size}x${size})
        # Qt wants a runtime folder and makes it itself, one level deep and private to the user;
        # one for each size, so that renderings running side by side do not race to make it.
        add_custom_command(OUTPUT ${folder}/quillmark.png
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${CMAKE_COMMAND} -E env XDG_RUNTIME_DIR=${PROJECT_BINARY_DIR}/icons/runtime-${size}
                    $<TARGET_FILE:quillmark_svg2png> ${QUILLMARK_ICON_SVG} ${folder}/quillmark.png
                    ${size}
            DEPENDS quillmark_svg2png ${QUILLMARK_ICON_SVG}
            COMMENT "Rendering the ${size}x${size} program icon" VERBATIM)
        list(APPEND QUILLMARK_ICON_PNGS ${folder}/quillmark.png)
        install(FILES ${folder}/quillmark.png
                DESTINATION ${QUILLMARK_ICON_DIR}/${size}x${size}/apps)
    endforeach()
    add_custom_target(quillmark_icons ALL DEPENDS ${QUILLMARK_ICON_PNGS})
endif()

# Debian's compressed documentation: gzip without a name or time stamp, so that two builds give
# the same file.
find_program(GZIP_PROGRAM gzip REQUIRED)
function(quillmark_compress source compressed)
    get_filename_component(folder ${compressed} DIRECTORY)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${GZIP_PROGRAM} -9nc ${source} > ${compressed}
        DEPENDS ${source}
        COMMENT "Compressing ${source}" VERBATIM)
endfunction()

# The licence in its machine-readable form and the changelog.
set(QUILLMARK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quillmark)
quillmark_compress(${PROJECT_SOURCE_DIR}/data/debian/changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_target(quillmark_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${QUILLMARK_DOC_DIR})

# The manual page quillmark(6) and its translations (data/de/quillmark.6), each where man-db looks
# for it: man/man6/ for English, man/de/man6/ for German.
file(GLOB QUILLMARK_MANUAL_TRANSLATIONS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*/quillmark.6)
set(QUILLMARK_MANUALS)
foreach(page IN ITEMS ${PROJECT_SOURCE_DIR}/data/quillmark.6 ${QUILLMARK_MANUAL_TRANSLATIONS})
    file(RELATIVE_PATH language ${PROJECT_SOURCE_DIR}/data ${page})
    get_filename_component(language ${language} DIRECTORY)
    cmake_path(APPEND PROJECT_BINARY_DIR man ${language} quillmark.6.gz OUTPUT_VARIABLE compressed)
    quillmark_compress(${page} ${compressed})
    list(APPEND QUILLMARK_MANUALS ${compressed})
    cmake_path(APPEND CMAKE_INSTALL_MANDIR ${language} man6 OUTPUT_VARIABLE folder)
    install(FILES ${compressed} DESTINATION ${folder})
endforeach()
add_custom_target(quillmark_manual ALL DEPENDS ${QUILLMARK_MANUALS})

# The software centres' entry; its id is the desktop entry's name.
install(FILES ${PROJECT_SOURCE_DIR}/data/io.github.quillmark.quillmark.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Stripping keeps the compilers' version notes; the installed program has no use for them.
if(CMAKE_OBJCOPY)
    install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section .comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUILLMARK_PROGRAM_DIR}/quillmark\"
        COMMAND_ERROR_IS_FATAL ANY)")
endif()
