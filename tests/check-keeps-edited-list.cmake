# A rebuild keeps an edited word list beside the program, and puts the shipped
# one back when it is missing. Edits BUILD_DIR/Vocabulary.txt, touches
# TOUCH (a library the program links, so that it is linked again without
# compiling anything), rebuilds the program, and restores the list.
set(list "${BUILD_DIR}/Vocabulary.txt")
file(READ "${list}" original)

function(rebuild)
    file(TOUCH "${TOUCH}")
    execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BUILD_DIR}" --target scaffold
                    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(failed)
        file(WRITE "${list}" "${original}")
        message(FATAL_ERROR "the rebuild failed:\n${output}")
    endif()
    if(NOT output MATCHES "Linking CXX executable scaffold")
        file(WRITE "${list}" "${original}")
        message(FATAL_ERROR "the rebuild did not relink the program, so it tested nothing:\n${output}")
    endif()
endfunction()

file(APPEND "${list}" "edited=a line a teacher added\n")
file(READ "${list}" edited)
rebuild()
file(READ "${list}" after)
file(WRITE "${list}" "${original}")
if(NOT after STREQUAL edited)
    message(FATAL_ERROR "the rebuild overwrote the edited ${list}")
endif()

file(REMOVE "${list}")
rebuild()
if(NOT EXISTS "${list}")
    file(WRITE "${list}" "${original}")
    message(FATAL_ERROR "the rebuild did not put the missing ${list} back")
endif()
file(READ "${list}" restored)
file(READ "${SHIPPED}" shipped)
if(NOT restored STREQUAL shipped)
    file(WRITE "${list}" "${original}")
    message(FATAL_ERROR "the list put back is not the shipped one")
endif()
message(STATUS "an edited word list survived a rebuild; a missing one was put back")
