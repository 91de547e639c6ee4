#include "platform/QtPlatform.h"

#include "platform/FileTextInput.h"
#include "platform/ProgramFolder.h"

#include <QMessageBox>
#include <QPushButton>

#include <chrono>

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
    return box;
}

Platform::Answer QtPlatform::messageBox(const QString &vText, Buttons vButtons, const QString &vTitle)
{
    const std::unique_ptr<QMessageBox> box = createBox(m_parent, vText, vButtons, vTitle);
    box->exec();
    return box->clickedButton() == box->button(QMessageBox::Ok) ? Answer::Ok : Answer::Cancel;
}

std::unique_ptr<TextInput> QtPlatform::openText(const QString &vPath, QString &vError)
{
    return FileTextInput::open(vPath, vError);
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

QString QtPlatform::programFolder() const
{
    return ProgramFolder();
}

QString QtPlatform::wordListPath() const
{
    return WordListFile(m_wordList, ProgramFolder());
}

void QtPlatform::end()
{
    throw ProgramEnd{};
}
