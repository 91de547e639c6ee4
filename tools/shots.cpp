// Renders the README's pictures of the real window, headless:
//   scaffold-shots OUTPUT_FOLDER
// start.png (the start screen), playing.png (a game with a few misses),
// playing-dark.png (the same game on a dark desktop theme) and lost.png (the
// lose message over the board).

#include "platform/qt/QtPlatform.h"
#include "platform/seam/Controls.h"
#include "testsupport/FakePlatform.h"
#include "testsupport/Headless.h"
#include "testsupport/Palettes.h"
#include "window/fScaffold.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QTest>

#include <cstdio>

namespace {

bool Save(const QImage &vImage, const QString &vPath)
{
    if (vImage.save(vPath))
        return true;
    std::fprintf(stderr, "scaffold-shots: could not write %s\n", qPrintable(vPath));
    return false;
}

void Click(fScaffold &vWindow, const QString &vName)
{
    QTest::mouseClick(vWindow.findChild<QWidget *>(vName), Qt::LeftButton);
}

QString LetterCell(QChar vLetter)
{
    return Controls::Element(Controls::lLetters, vLetter.unicode() - u'A');
}

const char *const WordList = "1\nmeticulous=showing great care and attention to every small detail\n";
const QString GameInProgress = QStringLiteral("EAUTRSO");

void PlayGameInProgress(fScaffold &vWindow)
{
    Click(vWindow, Controls::cStart);
    for (const QChar letter : GameInProgress)
        Click(vWindow, LetterCell(letter));
    QTest::qWait(20);
}

// The board with the message box drawn over its middle, shadow and frame included.
QImage BoxOverBoard(QImage vBoard, const QImage &vBox)
{
    QPainter painter(&vBoard);
    const QSizeF box = vBox.size() / vBox.devicePixelRatio();
    const QPointF at((vBoard.width() / vBoard.devicePixelRatio() - box.width()) / 2,
                     (vBoard.height() / vBoard.devicePixelRatio() - box.height()) / 2);
    painter.fillRect(QRectF(at + QPointF(4, 4), box), QColor(0, 0, 0, 60));
    painter.drawImage(at, vBox);
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(QRectF(at, box).adjusted(0, 0, -1, -1));
    return vBoard;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: scaffold-shots OUTPUT_FOLDER\n");
        return 2;
    }
    Headless();
    QApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "scaffold-shots: cannot make %s\n", argv[1]);
        return 1;
    }

    // Its own word list and fixed draws; a message box is drawn into a
    // picture, with the board behind it, instead of waiting for a click.
    FakePlatform platform;
    platform.writeWordList(WordList);
    fScaffold window(platform);
    QImage boardAtBox;
    QImage lastBox;
    platform.onMessage = [&](const ShownMessage &vMessage) {
        const std::unique_ptr<QMessageBox> box = QtPlatform::createBox(nullptr, vMessage.text, vMessage.buttons,
                                                                       vMessage.title);
        box->show();
        QTest::qWait(50);
        lastBox = box->grab().toImage();
        boardAtBox = window.grab().toImage();
    };

    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    bool ok = Save(window.grab().toImage(), out.filePath(QStringLiteral("start.png")));

    PlayGameInProgress(window);
    ok = Save(window.grab().toImage(), out.filePath(QStringLiteral("playing.png"))) && ok;

    // The same game on a dark desktop theme, in a window of its own.
    {
        const QPalette light = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        FakePlatform darkPlatform;
        darkPlatform.writeWordList(WordList);
        fScaffold dark(darkPlatform);
        dark.show();
        if (!QTest::qWaitForWindowExposed(&dark))
            return 1;
        PlayGameInProgress(dark);
        ok = Save(dark.grab().toImage(), out.filePath(QStringLiteral("playing-dark.png"))) && ok;
        QApplication::setPalette(light);
    }

    // Misses until the figure is complete; the last one brings the lose message.
    for (const QChar letter : QStringLiteral("BDFGHJKNPQWXYZ")) {
        Click(window, LetterCell(letter));
        if (!lastBox.isNull())
            break;
    }
    if (lastBox.isNull()) {
        std::fprintf(stderr, "scaffold-shots: the game did not end as scripted\n");
        return 1;
    }
    ok = Save(BoxOverBoard(boardAtBox, lastBox), out.filePath(QStringLiteral("lost.png"))) && ok;
    return ok ? 0 : 1;
}
