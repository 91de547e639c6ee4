# Checks that the newest entries of the changelog and the metainfo name the
# version the project builds:
#   cmake -DVERSION=1.1-1 -DCHANGELOG=... -DMETAINFO=... -P check-version.cmake
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
