// The floor of start-up and memory: the least a Qt Widgets program does to
// show what the game's window shows, without the game. A main window of the
// given client size with a menu bar (Help with two items, and Exit), three
// titled frames, two push buttons and as many captioned labels as the board
// has (three texts, a cell per letter, the hidden word cells), at fixed
// fonts: the platform's own for the menu, and for the captions and the cells
// the sizes the game fits on Debian's default font (10 pixels, and 8 pixels
// bold). No fitting, no drawing, no icon, no rules. It quits after its first
// paint.

#include "bench/QuitWhenShown.h"
#include "platform/seam/Controls.h"
#include "window/Layout.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

namespace {

QLabel *Caption(QWidget *vParent, const QString &vText, const QRect &vGeometry)
{
    auto *label = new QLabel(vText, vParent);
    label->setGeometry(vGeometry);
    return label;
}

QGroupBox *Frame(QWidget *vParent, const QString &vTitle, const QRect &vGeometry)
{
    auto *frame = new QGroupBox(vTitle, vParent);
    frame->setGeometry(vGeometry);
    return frame;
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace Controls;
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("minimal"));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Content"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Us"));
    window.menuBar()->addAction(QStringLiteral("&Exit"));

    auto *client = new QWidget(&window);
    client->setFixedSize(Layout::Px(Layout::ClientWidth), Layout::Px(Layout::ClientHeight));
    QFont captionFont = client->font();
    captionFont.setPixelSize(10);
    client->setFont(captionFont);
    window.setCentralWidget(client);
    using Layout::PlaceOf;
    Frame(client, GallowsCaption, PlaceOf(fScaffold1));
    Caption(client, MeaningIdle, PlaceOf(lMeaning))->setWordWrap(true);
    Caption(client, ChancesCaption, PlaceOf(lChances));
    Caption(client, ChancesLeft(0), PlaceOf(lChances1));
    QGroupBox *letters = Frame(client, LettersCaption, PlaceOf(fLetters));
    QGroupBox *word = Frame(client, WordCaption, PlaceOf(Frame1));
    (new QPushButton(StartCaption, client))->setGeometry(PlaceOf(cStart));
    (new QPushButton(ExitCaption, client))->setGeometry(PlaceOf(cExit));

    QFont cellFont = client->font();
    cellFont.setBold(true);
    cellFont.setPixelSize(8);
    const auto cell = Layout::CellRect;
    for (int i = 0; i < LetterCount; ++i)
        Caption(letters, LetterCaption(i), cell(i, LettersPerRow))->setFont(cellFont);
    for (int i = 0; i < WordCellCount; ++i) {
        QLabel *blank = Caption(word, Unrevealed, cell(i, WordCellCount));
        blank->setFont(cellFont);
        blank->hide();
    }

    QuitWhenShown quitWhenShown;
    window.installEventFilter(&quitWhenShown);
    window.show();
    return app.exec();
}
