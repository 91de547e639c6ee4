# Checks that the newest entries of the changelog and the metainfo name the
# version the project builds, and that both programs print it:
#   cmake -DVERSION=1.1-1 -DCHANGELOG=... -DMETAINFO=...
#         -DSCAFFOLD=path/to/scaffold -DSCAFFOLD_CHECK=path/to/scaffold-check -P check-version.cmake
cmake_minimum_required(VERSION 3.25)

string(REGEX REPLACE "-[^-]*$" "" upstream "${VERSION}")

# Fails unless the first match of vPattern's group in vText equals vWanted.
function(expect_newest vFile vText vPattern vWanted)
    if(NOT vText MATCHES "${vPattern}")
        message(FATAL_ERROR "${vFile}: no entry found (looked for ${vPattern})")
    endif()
    if(NOT CMAKE_MATCH_1 STREQUAL vWanted)
        message(FATAL_ERROR "${vFile}: the newest entry is ${CMAKE_MATCH_1}, but the project builds ${vWanted}")
    endif()
endfunction()

file(STRINGS "${CHANGELOG}" first LIMIT_COUNT 1)
expect_newest("${CHANGELOG}" "${first}" "^scaffold \\(([^)]*)\\)" "${VERSION}")
file(READ "${METAINFO}" metainfo)
expect_newest("${METAINFO}" "${metainfo}" "<release version=\"([^\"]*)\"" "${upstream}")

# --version answers without a display, with the program's name and the
# version of the changelog's newest entry.
foreach(program IN ITEMS "${SCAFFOLD}" "${SCAFFOLD_CHECK}")
    get_filename_component(name "${program}" NAME)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY "${program}" --version
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
    if(NOT rc EQUAL 0 OR NOT out STREQUAL "${name} ${upstream}\n")
        message(FATAL_ERROR "${name} --version: status ${rc}, said \"${out}${err}\", not \"${name} ${upstream}\"")
    endif()
endforeach()
