# The game for Windows is a windowed program, yet its --help, --version and a
# wrong command line reach whoever started it, with the statuses of Linux;
# and its file carries the icon and the version Explorer shows:
#   cmake -DPROGRAM=path/to/scaffold.exe -DEMULATOR=wine|"" -DVERSION=x.y -DOBJDUMP=... -P check-windows-program.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ExpectRun.cmake)
set(failures)
function(expect vName vArgs vStatus vSaid)
    expect_run("${vName}" "${vStatus}" "${vSaid}" ${EMULATOR} "${PROGRAM}" ${vArgs})
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

# The help names the Windows program, the lists beside it and the checker's
# Windows name; nothing of Linux's folders.
expect("--help" "--help" 0 "^Usage: scaffold.exe \\[FILE\\]\n.*lists\\\\beginner.txt.*scaffold-check.exe FILE")
expect("--version" "--version" 0 "^scaffold ${VERSION}$")
expect("two word lists" "a.txt;b.txt" 2 "^scaffold: give one word list at most; see scaffold --help.$")
expect("an unknown option" "--nonesuch" 2 "^scaffold: [^\n]*nonesuch[^\n]*see scaffold --help.$")
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" --help OUTPUT_VARIABLE help ERROR_QUIET TIMEOUT 60)
if(help MATCHES "/usr|/etc")
    list(APPEND failures "--help names a Linux folder:\n${help}")
endif()

# The resources: an icon group, and the version in the file's properties.
execute_process(COMMAND "${OBJDUMP}" -s -j .rsrc "${PROGRAM}" OUTPUT_VARIABLE resources ERROR_VARIABLE error)
if(NOT resources)
    list(APPEND failures "no resources in ${PROGRAM}: ${error}")
endif()
file(READ "${PROGRAM}" bytes HEX)
# "ProductVersion" and the version, in UTF-16 as a version resource holds them.
string(HEX "ProductVersion" name)
string(REGEX REPLACE "(..)" "\\100" name "${name}")
if(NOT bytes MATCHES "${name}")
    list(APPEND failures "the version resource has no ProductVersion")
endif()
string(HEX "${VERSION}" version)
string(REGEX REPLACE "(..)" "\\100" version "${version}")
if(NOT bytes MATCHES "${name}0000(00)*${version}")
    list(APPEND failures "the version resource does not give the version ${VERSION}")
endif()
# The icon's PNG pictures, 16 and 32 pixels square: IHDR, then the width
# and the height.
if(NOT bytes MATCHES "494844520000001000000010")
    list(APPEND failures "no 16-pixel icon picture in the program")
endif()
if(NOT bytes MATCHES "494844520000002000000020")
    list(APPEND failures "no 32-pixel icon picture in the program")
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "The Windows program:\n  ${text}")
endif()
message(STATUS "--help, --version and a wrong command line reached the caller; the icon and the version are in the file")
