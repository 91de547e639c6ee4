# What the command-line checks share, for scripts run with cmake -P:
#   expect_run(NAME STATUS SAID COMMAND...)
# runs COMMAND and adds to the caller's `failures` what differs from the exit
# status STATUS and from SAID, a regular expression matched against what it
# printed on both streams, line ends read as LF and blanks around stripped.
function(expect_run vName vStatus vSaid)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
    string(REPLACE "\r\n" "\n" said "${out}${err}")
    string(STRIP "${said}" said)
    if(NOT rc STREQUAL vStatus)
        list(APPEND failures "${vName}: status ${rc}, not ${vStatus}")
    endif()
    if(NOT said MATCHES "${vSaid}")
        list(APPEND failures "${vName}: said \"${said}\"")
    endif()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()
