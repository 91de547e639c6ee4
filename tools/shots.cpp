// Renders the README's pictures of the real window, headless:
//   scaffold-shots OUTPUT_FOLDER
// start.png (the start screen), playing.png (a game with a few misses) and
// lost.png (the lose message over the board).

#include "QtPlatform.h"
#include "fScaffold.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// The real platform, but with its own word list, fixed draws, and message
// boxes that are drawn into a picture instead of waiting for a click.
class PicturePlatform : public QtPlatform
{
public:
    QTemporaryDir folder;
    QWidget *window = nullptr;
    QImage lastBox;
    QImage boardAtBox;

    QString programFolder() const override { return folder.path(); }
    void Randomize() override { }
    double Rnd() override { return 0.0; }
    int MsgBox(const QString &vText, Buttons vButtons, const QString &vTitle) override
    {
        const std::unique_ptr<QMessageBox> box = CreateBox(nullptr, vText, vButtons, vTitle);
        box->show();
        QTest::qWait(50);
        lastBox = box->grab().toImage();
        if (window)
            boardAtBox = window->grab().toImage();
        return vbOK;
    }
};

bool Save(const QImage &vImage, const QString &vPath)
{
    if (vImage.save(vPath))
        return true;
    std::fprintf(stderr, "scaffold-shots: could not write %s\n", qPrintable(vPath));
    return false;
}

void Click(fScaffold &vWindow, QChar vLetter)
{
    auto *cell = vWindow.findChild<QLabel *>(QStringLiteral("lLetters_%1").arg(vLetter.unicode() - u'A'));
    QTest::mouseClick(cell, Qt::LeftButton);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: scaffold-shots OUTPUT_FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "scaffold-shots: cannot make %s\n", argv[1]);
        return 1;
    }

    PicturePlatform platform;
    QFile list(platform.folder.filePath(QStringLiteral("Vocabulary.txt")));
    list.open(QIODevice::WriteOnly);
    list.write("1\nmeticulous=showing great care and attention to every small detail\n");
    list.close();

    fScaffold window(platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    bool ok = Save(window.grab().toImage(), out.filePath(QStringLiteral("start.png")));

    window.cStart_Click();
    for (const QChar letter : QStringLiteral("EAUTRSO"))
        Click(window, letter);
    QTest::qWait(20);
    ok = Save(window.grab().toImage(), out.filePath(QStringLiteral("playing.png"))) && ok;

    // Misses until the figure is complete; the last one brings the lose message.
    platform.window = &window;
    for (const QChar letter : QStringLiteral("BDFGHJKNPQWXYZ")) {
        Click(window, letter);
        if (!platform.lastBox.isNull())
            break;
    }
    if (platform.lastBox.isNull()) {
        std::fprintf(stderr, "scaffold-shots: the game did not end as scripted\n");
        return 1;
    }
    QImage lost = platform.boardAtBox;
    {
        QPainter painter(&lost);
        const QImage &box = platform.lastBox;
        const QPointF at((lost.width() / lost.devicePixelRatio() - box.width() / box.devicePixelRatio()) / 2,
                         (lost.height() / lost.devicePixelRatio() - box.height() / box.devicePixelRatio()) / 2);
        painter.fillRect(QRectF(at + QPointF(4, 4), box.size() / box.devicePixelRatio()), QColor(0, 0, 0, 60));
        painter.drawImage(at, box);
        painter.setPen(QColor(90, 90, 90));
        painter.drawRect(QRectF(at, box.size() / box.devicePixelRatio()).adjusted(0, 0, -1, -1));
    }
    ok = Save(lost, out.filePath(QStringLiteral("lost.png"))) && ok;
    return ok ? 0 : 1;
}
