# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which C++11 threads and Qt need). Programs built for the tests run
# under Wine.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
# SCAFFOLD_WINDOWS_PREFIXES (a ;-list) names the folders holding the
# cross-built Qt and ICU.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triplet x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_AR ${triplet}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${triplet}-ranlib CACHE FILEPATH "")

# Try-compile projects get the prefixes too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SCAFFOLD_WINDOWS_PREFIXES)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet} ${SCAFFOLD_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(SCAFFOLD_WINE NAMES wine)
if(SCAFFOLD_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${SCAFFOLD_WINE})
endif()
