# Fails when the program holds a trace of the start-up benchmark's
# quit-when-shown hook or of an environment variable that would switch it on.
#   cmake -DPROGRAM=path/to/scaffold -P check-no-bench-hooks.cmake
file(STRINGS "${PROGRAM}" found REGEX "QuitWhenShown|EXIT_WHEN_SHOWN|SCAFFOLD_BENCH")
if(found)
    message(FATAL_ERROR "${PROGRAM} holds benchmark hooks: ${found}")
endif()
message(STATUS "no benchmark hooks in ${PROGRAM}")
