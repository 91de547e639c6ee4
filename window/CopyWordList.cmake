# Puts the shipped word list beside the program without ever overwriting a
# list someone has edited there.
#   cmake -DSOURCE=<shipped list> -DDEST=<list beside the program> -DSTAMP=<copy of what was put there> -P CopyWordList.cmake
# DEST is written when it is missing, or when it still holds exactly what the
# build last put there (kept in STAMP); any other DEST is an edit and is kept.
foreach(var SOURCE DEST STAMP)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "CopyWordList.cmake needs -D${var}=...")
    endif()
endforeach()

file(SHA256 "${SOURCE}" shipped)
if(EXISTS "${DEST}")
    file(SHA256 "${DEST}" present)
    if(present STREQUAL shipped)
        # Already the shipped list: only remember it.
        file(COPY_FILE "${SOURCE}" "${STAMP}" ONLY_IF_DIFFERENT)
        return()
    endif()
    set(last "")
    if(EXISTS "${STAMP}")
        file(SHA256 "${STAMP}" last)
    endif()
    if(NOT present STREQUAL last)
        message(STATUS "Keeping the edited word list ${DEST}; the shipped one is ${SOURCE}")
        return()
    endif()
endif()
file(COPY_FILE "${SOURCE}" "${DEST}")
file(COPY_FILE "${SOURCE}" "${STAMP}")
