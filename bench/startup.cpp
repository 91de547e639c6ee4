// The game as a player starts it, through the shipped program's own start-up
// (window/Startup.h), except that it quits once its window has been painted
// for the first time: what bench_process times. The shipped program has no
// such hook.

#include "window/Startup.h"
#include "bench/QuitWhenShown.h"

#include <QWidget>

int main(int argc, char *argv[])
{
    QuitWhenShown quitWhenShown;
    return RunScaffold(argc, argv, [&](QWidget &vWindow) { vWindow.installEventFilter(&quitWhenShown); });
}
