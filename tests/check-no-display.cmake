# Starts the program where no display can be used and checks that it says so
# in one plain sentence and ends with status 1, without aborting:
#   cmake -DPROGRAM=path/to/scaffold -P check-no-display.cmake
# The cases: no display at all, a display that cannot be reached, and a
# platform plugin that does not load.
set(cases "no display" "unreachable display" "plugin that does not load")
set(envs "--unset=DISPLAY" "DISPLAY=:1999" "QT_QPA_PLATFORM=nonesuch")
set(failures)
foreach(i RANGE 2)
    list(GET cases ${i} name)
    list(GET envs ${i} setting)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                ${CMAKE_COMMAND} -E env ${setting} "${PROGRAM}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
    string(STRIP "${out}${err}" said)
    string(REGEX MATCHALL "\n" breaks "${said}")
    if(NOT rc STREQUAL "1")
        list(APPEND failures "${name}: status ${rc}, not 1")
    endif()
    if(NOT said MATCHES "^scaffold: no display found.*desktop session" OR breaks)
        list(APPEND failures "${name}: said \"${said}\"")
    endif()
endforeach()
if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "Without a usable display:\n  ${text}")
endif()
message(STATUS "every start without a usable display said so plainly and ended with status 1")
