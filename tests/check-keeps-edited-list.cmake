# The copy step that puts the word list beside the program
# (window/CopyWordList.cmake), run on scratch files the way the build runs it:
# a missing list is put there, a list the build put there follows the shipped
# one when that changes, and a list someone edited is kept whatever the
# shipped one does.
#   cmake -DCOPY_STEP=<CopyWordList.cmake> -DSCRATCH=<empty folder> -P check-keeps-edited-list.cmake
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
set(source "${SCRATCH}/data.txt")
set(dest "${SCRATCH}/Vocabulary.txt")

function(copy_step)
    execute_process(COMMAND "${CMAKE_COMMAND}" -DSOURCE=${source} -DDEST=${dest} -DSTAMP=${SCRATCH}/stamp
                            -P "${COPY_STEP}"
                    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE error)
    if(failed)
        message(FATAL_ERROR "the copy step failed: ${error}")
    endif()
endfunction()

# After `when`, the list beside the program holds `expected`.
function(expect when expected)
    if(NOT EXISTS "${dest}")
        message(FATAL_ERROR "${when}: there is no list beside the program")
    endif()
    file(READ "${dest}" actual)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${when}: the list beside the program holds\n${actual}\ninstead of\n${expected}")
    endif()
endfunction()

file(WRITE "${source}" "1\nfig=a fruit\n")
copy_step()
expect("a first build" "1\nfig=a fruit\n")

file(WRITE "${source}" "1\nplum=a fruit\n")
copy_step()
expect("a build after the shipped list changed" "1\nplum=a fruit\n")

file(WRITE "${dest}" "1\nslate=a stone a teacher added\n")
copy_step()
expect("a build after the list was edited" "1\nslate=a stone a teacher added\n")
file(WRITE "${source}" "1\npear=a fruit\n")
copy_step()
expect("a build after an edit and a change of the shipped list" "1\nslate=a stone a teacher added\n")

file(REMOVE "${dest}")
copy_step()
expect("a build after the edited list was deleted" "1\npear=a fruit\n")
file(WRITE "${source}" "1\nquince=a fruit\n")
copy_step()
expect("a build after the shipped list changed again" "1\nquince=a fruit\n")
