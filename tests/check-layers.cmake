# Preprocesses one-line files, each including one header, with the include path of
# a library, and checks that exactly the headers the library may use are
# found. Run by CTest (test layers_hold):
#   cmake -DCXX=... -DWORK_DIR=... -DCASES=target|header|yes-or-no;... \
#         -DINCLUDES_<target>=dir;dir... -P check-layers.cmake
cmake_minimum_required(VERSION 3.25)

file(MAKE_DIRECTORY "${WORK_DIR}")
set(failures)
foreach(case IN LISTS CASES)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 target)
    list(GET case 1 header)
    list(GET case 2 expected)
    set(flags)
    foreach(dir IN LISTS INCLUDES_${target})
        list(APPEND flags "-I${dir}")
    endforeach()
    string(MAKE_C_IDENTIFIER "${target}_${header}" name)
    set(probe "${WORK_DIR}/${name}.cpp")
    file(WRITE "${probe}" "#include \"${header}\"\n")
    execute_process(COMMAND "${CXX}" -std=c++17 -fPIC -E -o /dev/null ${flags} "${probe}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(expected STREQUAL "yes" AND NOT rc EQUAL 0)
        list(APPEND failures "${target} should see ${header}, but:\n${out}")
    elseif(expected STREQUAL "no" AND rc EQUAL 0)
        list(APPEND failures "${target} sees ${header}, which lies outside what it may use")
    endif()
endforeach()
if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "${text}")
endif()
