#pragma once

#include <QString>
#include <QStringList>

// What the game's rules, the main window and the fakes agree on about the
// board: the names of its controls, how many there are of each kind, and the
// captions they show. Each lives here once, so a change is made in one place.
namespace Controls {

constexpr int LetterCount = 26; // lLetters: one cell per letter A to Z
constexpr int LettersPerRow = 13; // the letter cells stand in two rows
constexpr int WordCellCount = 13; // lWord: the longest word the board can show
constexpr int ChanceCount = 10; // wrong guesses a game allows, one figure part each
// The longest clue, in characters, that lMeaning shows whole after its
// "Meaning : " in the board's caption font, even in its widest letters; the
// end of a longer one may be cut off.
constexpr int ClueShownWhole = 100;

// Names of single controls; each is the widget's objectName. A name's first
// letter says its kind: c a push button, l a label or a line, s a filled
// shape, f a frame. On the screen:
//   fScaffold1   the frame at the top left that holds the drawing, captioned
//                "Scaffold : SAVE ME PLZ..."
//   sFootStand, sStand1, sStand2, lRope
//                the gallows: its foot, its post, its beam and the rope; always shown
//   sFace ... lLeg2
//                the figure's ten parts, hidden until wrong guesses show them
//   lMeaning     the clue, top right: "Meaning :" while idle
//   lChances     the fixed text "Number Of Chances Left :"
//   lChances1    the number beside it, the chances left: "10" down to "0"
//   fLetters     the frame of the 26 letter cells lLetters, "Select A Letter"
//   Frame1       the frame of the 13 word cells lWord, the word row, "Word Is ..."
//   cStart, cExit
//                the two buttons at the bottom right
inline const QString fScaffold1 = QStringLiteral("fScaffold1");
inline const QString lMeaning = QStringLiteral("lMeaning");
inline const QString lChances = QStringLiteral("lChances");
inline const QString lChances1 = QStringLiteral("lChances1");
inline const QString fLetters = QStringLiteral("fLetters");
inline const QString Frame1 = QStringLiteral("Frame1");
inline const QString cStart = QStringLiteral("cStart");
inline const QString cExit = QStringLiteral("cExit");
inline const QString sFootStand = QStringLiteral("sFootStand");
inline const QString sStand1 = QStringLiteral("sStand1");
inline const QString sStand2 = QStringLiteral("sStand2");
inline const QString lRope = QStringLiteral("lRope");

// The figure's parts in the order wrong guesses show them: miss n shows part n - 1.
inline const QStringList FigureParts = {
        QStringLiteral("sFace"),  QStringLiteral("sEyes1"), QStringLiteral("sEyes2"), QStringLiteral("lNose"),
        QStringLiteral("lMouth"), QStringLiteral("lBody"),  QStringLiteral("lArm1"),  QStringLiteral("lArm2"),
        QStringLiteral("lLeg1"),  QStringLiteral("lLeg2"),
};

// The two arrays. An element's name is the array's name, "_" and its index.
inline const QString lLetters = QStringLiteral("lLetters");
inline const QString lWord = QStringLiteral("lWord");
inline QString Element(const QString &vArray, int vIndex)
{
    return vArray + u'_' + QString::number(vIndex);
}

// Captions.
inline const QString GallowsCaption = QStringLiteral("Scaffold : SAVE ME PLZ...");
inline const QString MeaningIdle = QStringLiteral("Meaning :");
// The clue follows the blank after the colon; the idle caption has none.
inline const QString MeaningClue = QStringLiteral("Meaning : ");
inline const QString ChancesCaption = QStringLiteral("Number Of Chances Left :");
inline const QString LettersCaption = QStringLiteral("Select A Letter");
inline const QString WordCaption = QStringLiteral("Word Is ...");
inline const QString StartCaption = QStringLiteral("Start");
inline const QString ExitCaption = QStringLiteral("Exit");
// A word cell not yet revealed.
inline const QString Unrevealed = QStringLiteral("_");
// The letter of letter cell vIndex, in capitals.
inline QString LetterCaption(int vIndex)
{
    return QString(QChar(u'A' + vIndex));
}
// The chances caption after vMisses wrong guesses: "10" down to "0".
inline QString ChancesLeft(int vMisses)
{
    return QString::number(ChanceCount - vMisses);
}

} // namespace Controls
