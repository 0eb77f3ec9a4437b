# Fills OUTPUT_DIR (a hicolor theme tree) with NAME.png in each of SIZES and
# NAME.svg: the sizes AppIcon.ico holds are its own pictures, pixel for pixel;
# any other size is drawn from the SVG.
#   cmake -DICON=... -DSVG=... -DICOTOOL=... -DRSVG_CONVERT=... -DSIZES=16;32 -DNAME=... -DOUTPUT_DIR=... -DWORK_DIR=... -P MakeIcons.cmake
cmake_minimum_required(VERSION 3.16)

set(extracted ${WORK_DIR}/ico-extracted)
file(REMOVE_RECURSE ${extracted})
file(MAKE_DIRECTORY ${extracted})
execute_process(COMMAND ${ICOTOOL} --extract --output=${extracted} ${ICON} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "icotool could not read ${ICON}")
endif()

foreach(size IN LISTS SIZES)
    set(target ${OUTPUT_DIR}/${size}x${size}/apps/${NAME}.png)
    get_filename_component(target_dir ${target} DIRECTORY)
    file(MAKE_DIRECTORY ${target_dir})
    # icotool names them <stem>_<index>_<width>x<height>x<depth>.png; the deepest wins.
    file(GLOB pictures ${extracted}/*_${size}x${size}x*.png)
    list(SORT pictures COMPARE NATURAL)
    if(pictures)
        list(GET pictures -1 picture)
        configure_file(${picture} ${target} COPYONLY)
    else()
        execute_process(COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${target} ${SVG}
                        RESULT_VARIABLE result)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "rsvg-convert could not draw ${SVG} at ${size} pixels")
        endif()
    endif()
endforeach()

file(MAKE_DIRECTORY ${OUTPUT_DIR}/scalable/apps)
configure_file(${SVG} ${OUTPUT_DIR}/scalable/apps/${NAME}.svg COPYONLY)
