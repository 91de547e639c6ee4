#include "testsupport/FakePlatform.h"

#include "platform/files/FilePath.h"
#include "platform/files/FileTextInput.h"

#include <QFile>

Platform::Answer FakePlatform::messageBox(const QString &vText, Buttons vButtons, const QString &vTitle)
{
    ++messageCount;
    const ShownMessage shown{vText, vButtons, vTitle};
    if (keepMessages)
        messages.push_back(shown);
    if (onMessage)
        onMessage(shown);
    if (answers.empty())
        return Answer::Ok;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::unique_ptr<TextInput> FakePlatform::openText(const QString &vPath, QString &vError)
{
    ++opens;
    if (beforeOpen)
        beforeOpen(opens);
    return FileTextInput::open(FilePath::FromText(vPath), vError);
}

double FakePlatform::random()
{
    if (randoms.empty())
        return nextRandom();
    const double value = randoms.front();
    randoms.pop_front();
    return value;
}

void FakePlatform::end()
{
    ++ends;
    throw ProgramEnd{};
}

QString FakePlatform::wordListPath() const
{
    return WordListFile(chosenList, folderKnown ? folder.path() : QString());
}

void FakePlatform::writeWordList(const QByteArray &vBytes) const
{
    const QString path = WordListFile(chosenList, folder.path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(vBytes) != vBytes.size())
        qFatal("cannot write the word list %s", qPrintable(path));
}
