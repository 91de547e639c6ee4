# Puts a shipped word list beside the program without ever overwriting a list
# someone has edited there.
#   cmake -DSOURCE=<shipped list> -DDEST=<list beside the program> -DSTAMP=<copy of what was put there> -P CopyWordList.cmake
# DEST is written when it is missing, or when it still holds exactly what the
# build last put there (kept in STAMP): so a deleted list comes back and a
# changed shipped list arrives. Any other DEST is an edit and is kept; the
# build says so once for each edit (STAMP.told remembers which it told of).
foreach(var SOURCE DEST STAMP)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "CopyWordList.cmake needs -D${var}=...")
    endif()
endforeach()

set(told_file "${STAMP}.told")
file(SHA256 "${SOURCE}" shipped)
if(EXISTS "${DEST}")
    file(SHA256 "${DEST}" present)
    if(present STREQUAL shipped)
        # Already the shipped list: only remember it.
        file(COPY_FILE "${SOURCE}" "${STAMP}" ONLY_IF_DIFFERENT)
        file(REMOVE "${told_file}")
        return()
    endif()
    set(last "")
    if(EXISTS "${STAMP}")
        file(SHA256 "${STAMP}" last)
    endif()
    if(NOT present STREQUAL last)
        set(told "")
        if(EXISTS "${told_file}")
            file(READ "${told_file}" told)
        endif()
        if(NOT told STREQUAL "${present} ${shipped}")
            message(STATUS "Keeping the edited word list ${DEST}; it differs from the shipped ${SOURCE}. "
                           "Delete it and build again to get the shipped one.")
            file(WRITE "${told_file}" "${present} ${shipped}")
        endif()
        return()
    endif()
endif()
file(COPY_FILE "${SOURCE}" "${DEST}")
file(COPY_FILE "${SOURCE}" "${STAMP}")
file(REMOVE "${told_file}")
