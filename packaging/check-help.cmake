# Checks that `scaffold --help` names the installed word list and levels of
# the prefix the build is configured with, as the install rules lay them out:
#   cmake -DPROGRAM=path/to/scaffold -DPREFIX=<CMAKE_INSTALL_PREFIX> -DSYSTEM_CONFIG=ON|OFF -P check-help.cmake
cmake_minimum_required(VERSION 3.25)

# The layout, written out: the levels under share/, the list beside the
# program in lib/scaffold/ or, with SYSTEM_CONFIG, under etc/, which is /etc
# for the prefix /usr and /etc/opt/... for a prefix in /opt.
string(REGEX REPLACE "/+$" "" PREFIX "${PREFIX}")
set(levels "${PREFIX}/share/scaffold/lists")
if(NOT SYSTEM_CONFIG)
    set(list "${PREFIX}/lib/scaffold/Vocabulary.txt")
elseif(PREFIX STREQUAL "/usr")
    set(list "/etc/scaffold/Vocabulary.txt")
elseif(PREFIX MATCHES "^/opt/")
    set(list "/etc${PREFIX}/scaffold/Vocabulary.txt")
else()
    set(list "${PREFIX}/etc/scaffold/Vocabulary.txt")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY "${PROGRAM}" --help
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
set(failures)
if(NOT rc EQUAL 0)
    list(APPEND failures "status ${rc}: ${err}")
endif()
foreach(line IN ITEMS "                 ${list})."
                      "                   ${levels}/beginner.txt"
                      "                   ${levels}/intermediate.txt (also the default)"
                      "                   ${levels}/advanced.txt")
    string(FIND "${out}" "\n${line}\n" at)
    if(at LESS 0)
        list(APPEND failures "no line \"${line}\"")
    endif()
endforeach()
if(NOT PREFIX STREQUAL "/usr" AND out MATCHES "/usr/share/")
    list(APPEND failures "it names /usr/share/ for the prefix ${PREFIX}")
endif()
if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "scaffold --help, built for the prefix ${PREFIX}:\n  ${text}\nIt said:\n${out}")
endif()
message(STATUS "scaffold --help names the installed list ${list} and the levels in ${levels}")
