#include "platform/qt/QtPlatform.h"

#include "platform/files/FilePath.h"
#include "platform/files/FileTextInput.h"
#include "platform/files/ProgramFolder.h"
#include "platform/seam/Controls.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <chrono>

namespace {

// Keeps a box's answer to Enter, Escape, Tab and the mouse. A letter would
// answer it where the desktop's look gives its buttons access keys (&OK,
// &Cancel), and a space would press the focused button: a player still
// typing a word, or holding its last letter, would answer a message unread.
class AnswerKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *vWatched, QEvent *vEvent) override
    {
        if (vEvent->type() == QEvent::KeyPress || vEvent->type() == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(vEvent);
            const bool letter = key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z
                    && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
            if (letter || key->key() == Qt::Key_Space) {
                vEvent->accept();
                return true;
            }
        }
        return QObject::eventFilter(vWatched, vEvent);
    }
};

} // namespace

std::unique_ptr<QMessageBox> QtPlatform::createBox(QWidget *vParent, const QString &vText, Buttons vButtons,
                                                   const QString &vTitle)
{
    auto box = std::make_unique<QMessageBox>(vParent);
    box->setWindowTitle(vTitle);
    // Plain text: a word list's "<" must show as itself, not start markup.
    box->setTextFormat(Qt::PlainText);
    // A lone carriage return does not break a line in a label; a line feed does.
    QString text = vText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    box->setText(text);
    QPushButton *ok = box->addButton(QMessageBox::Ok);
    // Escape and closing the box press Cancel; a box with OK alone keeps its
    // Cancel hidden, so that it answers the same way.
    QPushButton *cancel = box->addButton(QMessageBox::Cancel);
    box->setEscapeButton(cancel);
    box->setDefaultButton(ok);
    if (vButtons == Buttons::Ok)
        cancel->hide();
    auto *keys = new AnswerKeys(box.get());
    box->installEventFilter(keys);
    for (QAbstractButton *button : box->buttons())
        button->installEventFilter(keys);
    return box;
}

Platform::Answer QtPlatform::messageBox(const QString &vText, Buttons vButtons, const QString &vTitle)
{
    const std::unique_ptr<QMessageBox> box = createBox(m_parent, vText, vButtons, vTitle);
    // The drawing stays in sight: the box opens beside it where the desktop
    // lets a program place its windows (on Wayland it does not).
    const QWidget *drawing = m_parent ? m_parent->findChild<const QWidget *>(Controls::fScaffold1) : nullptr;
    if (drawing && drawing->isVisible() && m_parent->screen()) {
        const QRect keep(drawing->mapToGlobal(QPoint(0, 0)), drawing->size());
        box->move(besidePosition(box->sizeHint(), keep, m_parent->screen()->availableGeometry()));
    }
    box->exec();
    return box->clickedButton() == box->button(QMessageBox::Ok) ? Answer::Ok : Answer::Cancel;
}

QPoint QtPlatform::besidePosition(const QSize &vBox, const QRect &vKeep, const QRect &vScreen)
{
    // Room for the frame the window manager adds around the box.
    constexpr int Gap = 12;
    const QSize outer = vBox + QSize(Gap, 2 * Gap);
    int x = vKeep.right() + 1 + Gap;
    if (x + outer.width() > vScreen.right() + 1)
        x = vKeep.left() - outer.width();
    // Where neither side has room, the box stays on the screen, over the drawing.
    x = std::clamp(x, vScreen.left(), std::max(vScreen.left(), vScreen.right() + 1 - outer.width()));
    const int y = std::clamp(vKeep.top(), vScreen.top(),
                             std::max(vScreen.top(), vScreen.bottom() + 1 - outer.height()));
    return QPoint(x, y);
}

std::unique_ptr<TextInput> QtPlatform::openText(const QString &vPath, QString &vError)
{
    return FileTextInput::open(FilePath::FromText(vPath), vError);
}

void QtPlatform::reseed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = quint64(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    m_random.seed(quint32(ticks ^ (ticks >> 32)));
}

double QtPlatform::random()
{
    return m_random.generateDouble();
}

QString QtPlatform::wordListPath() const
{
    return WordListFile(m_wordList, ProgramFolder());
}

void QtPlatform::end()
{
    throw ProgramEnd{};
}
