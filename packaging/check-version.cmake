# Checks that the newest entries of the changelog and the metainfo name the
# version the project builds:
#   cmake -DVERSION=1.1-1 -DCHANGELOG=... -DMETAINFO=... -P check-version.cmake
cmake_minimum_required(VERSION 3.25)

string(REGEX REPLACE "-[^-]*$" "" upstream "${VERSION}")

file(STRINGS "${CHANGELOG}" first LIMIT_COUNT 1)
if(NOT first MATCHES "^scaffold \\(([^)]*)\\)")
    message(FATAL_ERROR "${CHANGELOG}: the first line is not a changelog entry: ${first}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "${CHANGELOG}: the newest entry is ${CMAKE_MATCH_1}, but the project builds ${VERSION}")
endif()

file(READ "${METAINFO}" metainfo)
if(NOT metainfo MATCHES "<release version=\"([^\"]*)\"")
    message(FATAL_ERROR "${METAINFO}: no release")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL upstream)
    message(FATAL_ERROR "${METAINFO}: the newest release is ${CMAKE_MATCH_1}, but the project builds ${upstream}")
endif()
