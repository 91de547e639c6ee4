// The floor of start-up and memory: a Qt Widgets program that shows one empty
// window of the game window's outer size and nothing else.
//
//   bench_minimal WIDTHxHEIGHT [label]
//
// With "label" the window also shows one line of text in a QLabel, which
// brings in what any text costs (the font database, a font engine, shaping);
// the benchmark shows that second floor for information. Like the game, it quits after its first paint when SCAFFOLD_EXIT_WHEN_SHOWN
// is set.

#include "QuitWhenShown.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    int width = 439;
    int height = 496;
    if (argc > 1 && std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "usage: bench_minimal WIDTHxHEIGHT [label]\n");
        return 2;
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.setFixedSize(width, height);
    if (argc > 2 && std::strcmp(argv[2], "label") == 0)
        (new QLabel(QStringLiteral("Number Of Chances Left :"), &window))->move(20, 20);
    QuitWhenShown quitWhenShown;
    if (qEnvironmentVariableIsSet("SCAFFOLD_EXIT_WHEN_SHOWN"))
        window.installEventFilter(&quitWhenShown);
    window.show();
    return app.exec();
}
