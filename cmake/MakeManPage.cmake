# Makes OUTPUT (a gzipped manual page) from PROGRAM's --help and --version.
#   cmake -DPROGRAM=... -DHELP2MAN=... -DGZIP=... -DTIMEOUT=... -DDESCRIPTION=... -DWORK_DIR=... -DOUTPUT=...
#         -P MakeManPage.cmake
cmake_minimum_required(VERSION 3.19) # file(CHMOD)

# help2man names the page after the program it runs, so it runs a wrapper of
# the same name. The wrapper keeps the program off any display, keeps it out
# of the user's state and runtime folders (nothing of a build belongs there),
# and bounds the run: a program that opens its window instead of printing
# would otherwise hold the build for ever.
get_filename_component(name ${PROGRAM} NAME)
set(wrapper_dir ${WORK_DIR}/wrapper)
set(home ${WORK_DIR}/home)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${wrapper_dir} ${home}/runtime)
file(WRITE ${wrapper_dir}/${name}
     "#!/bin/sh\n"
     "export QT_QPA_PLATFORM=offscreen HOME='${home}' XDG_CONFIG_HOME='${home}/config' \\\n"
     "    XDG_STATE_HOME='${home}/state' XDG_CACHE_HOME='${home}/cache' XDG_DATA_HOME='${home}/data' \\\n"
     "    XDG_RUNTIME_DIR='${home}/runtime'\n"
     "exec '${TIMEOUT}' --kill-after=5 30 '${PROGRAM}' \"$@\" </dev/null\n")
file(CHMOD ${wrapper_dir}/${name} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
file(CHMOD ${home}/runtime PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# help2man would name the page after --version's "Travonix 3.0.2.0"; the
# command a reader types is lower case.
set(name_section ${WORK_DIR}/name.h2m)
file(WRITE ${name_section} "[name]\n${name} \\- ${DESCRIPTION}\n")

set(page ${WORK_DIR}/${name}.1)
execute_process(COMMAND ${HELP2MAN} --no-info --include=${name_section} --output=${page} ${wrapper_dir}/${name}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT EXISTS ${page})
    message(FATAL_ERROR "The manual page is made from `${name} --help` and `${name} --version`, which must "
                        "print and exit 0 without a display within 30 s; help2man said:\n${errors}")
endif()

# help2man fills the examples into one paragraph unless each line starts
# with "$ "; keep them one command to a line.
file(READ ${page} text)
string(FIND "${text}" ".SH EXAMPLES\n.IP\n" start)
if(start GREATER -1)
    string(SUBSTRING "${text}" 0 ${start} before)
    string(SUBSTRING "${text}" ${start} -1 examples)
    string(REPLACE ".SH EXAMPLES\n.IP\n" ".SH EXAMPLES\n.PP\n.nf\n" examples "${examples}")
    string(FIND "${examples}" "\n.SH " end)
    if(end GREATER -1)
        math(EXPR end "${end} + 1")
        string(SUBSTRING "${examples}" ${end} -1 after)
        string(SUBSTRING "${examples}" 0 ${end} examples)
    else()
        set(after "")
    endif()
    file(WRITE ${page} "${before}${examples}.fi\n${after}")
endif()

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
# -n: no name or time stamp in the archive, so the same page packs the same.
execute_process(COMMAND ${GZIP} -9nc ${page} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "gzip could not pack ${page}")
endif()
