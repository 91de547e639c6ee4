#include "testsupport/FakeBoard.h"

FakeBoard::FakeBoard()
{
    using namespace Controls;
    controls[lMeaning] = FakeControl(MeaningIdle);
    controls[lChances1] = FakeControl(ChancesLeft(0));
    for (int i = 0; i < LetterCount; ++i)
        controls[Element(Controls::lLetters, i)] = FakeControl(LetterCaption(i), true, false);
    for (int i = 0; i < WordCellCount; ++i)
        controls[Element(Controls::lWord, i)] = FakeControl(Unrevealed, false, true);
    for (const QString &part : FigureParts)
        controls[part] = FakeControl(QString(), false, true);
}

BoardControl &FakeBoard::control(const QString &vName)
{
    auto found = controls.find(vName);
    if (found == controls.end())
        throw BoardError("no control " + vName.toStdString());
    return *found;
}

FakeControl &FakeBoard::letter(QChar vLetter)
{
    return static_cast<FakeControl &>(lLetters(vLetter.unicode() - u'A'));
}

FakeControl &FakeBoard::word(int vIndex)
{
    return static_cast<FakeControl &>(lWord(vIndex));
}

QString FakeBoard::shown() const
{
    QString text;
    for (int i = 0; i < Controls::WordCellCount; ++i) {
        const FakeControl &cell = controls[Controls::Element(Controls::lWord, i)];
        if (cell.visible)
            text += cell.text;
    }
    return text;
}

int FakeBoard::visibleParts() const
{
    int count = 0;
    for (const QString &part : Controls::FigureParts)
        count += controls[part].visible;
    return count;
}
