# Starts the program where no display can be used and checks that it says why
# in one plain sentence and ends with status 1, without aborting; and that
# --help and --version answer without a display:
#   cmake -DPROGRAM=path/to/scaffold -DVERSION=x.y -P check-no-display.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ExpectRun.cmake)
set(failures)
# Runs the program with no display in its environment but vSetting, and vArgs.
function(expect vName vSetting vArgs vStatus vSaid)
    expect_run("${vName}" "${vStatus}" "${vSaid}"
               ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
               ${CMAKE_COMMAND} -E env ${vSetting} "${PROGRAM}" ${vArgs})
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

# One line each, naming what is wrong: never Qt's advice to reinstall.
set(line "[^\n]*desktop session[^\n]*$")
expect("no display" "--unset=DISPLAY" "" 1 "^scaffold: no display found${line}")
expect("unreachable display" "DISPLAY=:1999" "" 1 "^scaffold: the display :1999 could not be reached${line}")
expect("-display naming an unreachable one" "--unset=DISPLAY" "-display;:1999" 1 "display :1999 could not be reached${line}")
expect("plugin not installed" "QT_QPA_PLATFORM=nonesuch" "" 1 "^scaffold: the platform plugin \"nonesuch\" is not installed \\(installed: [^)]*offscreen[^\n]*${line}")
expect("-platform naming a plugin not installed" "--unset=DISPLAY" "-platform;nonesuch" 1 "plugin \"nonesuch\" is not installed${line}")
# The early check lets Qt's own options through to Qt.
expect("-platform with a word list" "--unset=DISPLAY" "-platform;nonesuch;words.txt" 1 "plugin \"nonesuch\" is not installed${line}")

expect("--help" "--unset=DISPLAY" "--help" 0 "^Usage: scaffold \\[FILE\\]\n.*FILE .*beginner.txt")
expect("--version" "--unset=DISPLAY" "--version" 0 "^scaffold ${VERSION}$")
expect("two word lists" "--unset=DISPLAY" "a.txt;b.txt" 2 "^scaffold: give one word list at most; see scaffold --help.$")
expect("an unknown option" "--unset=DISPLAY" "--nonesuch" 2 "^scaffold: [^\n]*nonesuch[^\n]*see scaffold --help.$")

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "Started without a usable display, or for its help:\n  ${text}")
endif()
message(STATUS "every start without a usable display said why and ended with status 1; --help and --version answered")
