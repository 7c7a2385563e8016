# The button images, the window icon and the program's picture are drawn as SVG in data/images
# and rendered to PNG at build time, so that the program parses no SVG while it starts. Each
# button image has an @2x twin, which Qt takes by itself on a screen that scales by two; the
# picture is rendered at twice the splash window's size and scaled down where it is shown.
add_executable(quillmark_svg2png ${PROJECT_SOURCE_DIR}/tools/svg2png.cpp)
target_link_libraries(quillmark_svg2png PRIVATE Qt6::Gui Qt6::Svg quillmark_build_settings)

set(QUILLMARK_RENDERED_DIR ${CMAKE_CURRENT_BINARY_DIR}/rendered)
set(QUILLMARK_RENDERED)

# Qt wants a runtime folder and makes it itself, one level deep and private to the user; each
# rendering has its own, so that renderings running side by side do not race to make it.
function(quillmark_render drawing png size)
    set(source ${PROJECT_SOURCE_DIR}/data/images/${drawing}.svg)
    set(output ${QUILLMARK_RENDERED_DIR}/images/${png})
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLMARK_RENDERED_DIR}/images
        COMMAND ${CMAKE_COMMAND} -E env XDG_RUNTIME_DIR=${QUILLMARK_RENDERED_DIR}/runtime-${png}
                $<TARGET_FILE:quillmark_svg2png> ${source} ${output} ${size}
        DEPENDS quillmark_svg2png ${source}
        COMMENT "Rendering ${png}" VERBATIM)
    set(QUILLMARK_RENDERED ${QUILLMARK_RENDERED} ${output} PARENT_SCOPE)
endfunction()

foreach(image arrow-up arrow-down arrow-right paper-pen check)
    foreach(drawing ${image} ${image}-disabled)
        if(EXISTS ${PROJECT_SOURCE_DIR}/data/images/${drawing}.svg)
            quillmark_render(${drawing} ${drawing}.png 16)
            quillmark_render(${drawing} ${drawing}@2x.png 32)
        endif()
    endforeach()
endforeach()
foreach(size 16 32 48 64)
    quillmark_render(quillmark-icon quillmark-icon-${size}.png ${size})
endforeach()
quillmark_render(quillmark-picture quillmark-picture.png 224x692)

qt_add_resources(quillmark_lib "quillmark_rendered" PREFIX "/" BASE ${QUILLMARK_RENDERED_DIR}
                 FILES ${QUILLMARK_RENDERED})
