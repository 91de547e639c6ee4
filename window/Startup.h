#pragma once

#include <functional>

class QWidget;

// The start of the game, as the shipped program makes it, so that a
// benchmark can time the very same start:
//  - the command line: --help and --version are answered without a window,
//    FILE names the word list to play, and Qt's own options (-platform,
//    -display, ...) are left to Qt;
//  - without a display the player is told so in one sentence, and when no
//    platform plugin can start, which one and why (not installed, or its
//    display unreachable), instead of Qt's advice to reinstall;
//  - the application's names, which tie its window to its menu entry.
// vBeforeShow, when given, is called with the main window just before it is
// shown. Returns the program's exit status: 0 after a game, 1 without a
// usable display, 2 for a command line it cannot follow.
int RunScaffold(int argc, char *argv[], const std::function<void(QWidget &)> &vBeforeShow = {});
