#include "window/BoardBuilder.h"

#include "platform/seam/Controls.h"
#include "window/BoardFonts.h"
#include "window/CellFrameStyle.h"
#include "window/ClickLabel.h"
#include "window/ClueLabel.h"
#include "window/Layout.h"
#include "window/Shapes.h"

#include <QGroupBox>
#include <QPushButton>

#include <algorithm>

using Layout::PlaceOf;
using Layout::Point;
using Layout::Twips;

namespace {

const QColor Gallows(64, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor LightYellow(255, 255, 128);
const QColor Cyan(0, 255, 255);
// The drawing's own backdrop, a steel blue between the dark gallows and the
// light figure: each stands out from it by more than 3 to 1.
const QColor Sky(70, 130, 180);
// The eyes lie on the face, whose yellow is close to their cyan; a dark edge
// sets them apart.
const QColor EyeEdge(0, 0, 0);
// Disabled letters: grey enough to read as out of play, dark enough to read
// at more than 4.5 to 1 on the cells' yellow.
const QColor DisabledLetter(105, 105, 105);

template <typename T>
T *Named(T *vWidget, const QString &vName, const QRect &vGeometry)
{
    vWidget->setObjectName(vName);
    vWidget->setGeometry(vGeometry);
    return vWidget;
}

template <typename LabelType = QLabel>
LabelType *Label(QWidget *vParent, const QString &vName, const QString &vCaption)
{
    // Named before it has a text: a label's accessible interface is made at
    // its first change, and the board's interfaces go by the name.
    auto *label = Named(new LabelType(vParent), vName, PlaceOf(vName));
    // Word lists are plain text: a "<" in a clue must not start markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(vCaption);
    return label;
}

QGroupBox *Frame(QWidget *vParent, const QString &vName, const QString &vCaption)
{
    // Named before it has a title, as a label is before its text.
    auto *frame = Named(new QGroupBox(vParent), vName, PlaceOf(vName));
    frame->setTitle(vCaption);
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

template <typename LabelType>
LabelType *Cell(QWidget *vParent, const QString &vArray, int vIndex, int vPerRow, const QString &vCaption,
                const QColor &vBackground, const QFont &vFont)
{
    auto *cell = Named(new LabelType(vCaption, vParent), Controls::Element(vArray, vIndex),
                       Layout::CellRect(vIndex, vPerRow));
    cell->setTextFormat(Qt::PlainText);
    cell->setAlignment(Qt::AlignCenter);
    cell->setFont(vFont);
    cell->setAutoFillBackground(true);
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, vBackground);
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, DisabledLetter);
    cell->setPalette(palette);
    return cell;
}

FilledShape *Rectangle(QWidget *vFrame, const QString &vName, const QRect &vGeometry, const QColor &vColour)
{
    return Named(new FilledShape(vColour, vFrame), vName, vGeometry);
}

LineShape *Line(QWidget *vFrame, const QString &vName, QPoint vFrom, QPoint vTo, const QColor &vColour)
{
    auto *line = new LineShape(vFrom, vTo, vColour, vFrame);
    line->setObjectName(vName);
    return line;
}

QPushButton *Button(QWidget *vParent, const QString &vName, const QString &vCaption)
{
    auto *button = Named(new QPushButton(vCaption, vParent), vName, PlaceOf(vName));
    button->setAutoDefault(false);
    return button;
}

QGroupBox *BuildDrawing(QWidget *vClient)
{
    using namespace Controls;
    auto *gallows = Frame(vClient, fScaffold1, GallowsCaption);
    // First, so that everything of the drawing is painted over it.
    Named(new Backdrop(Sky, gallows), QStringLiteral("backdrop"), Twips(60, 360, 3015, 3675));
    Rectangle(gallows, sFootStand, Twips(120, 3480, 2655, 375), Gallows);
    Rectangle(gallows, sStand1, Twips(360, 600, 135, 2895), Gallows);
    Rectangle(gallows, sStand2, Twips(360, 480, 1215, 135), Gallows);
    Line(gallows, lRope, Point(1320, 600), Point(1320, 840), Gallows);
    // Siblings paint in the order they are made: the face first, so that the
    // eyes, nose and mouth are drawn over it.
    const QList<QWidget *> figure{
            Rectangle(gallows, FigureParts[0], Twips(960, 840, 735, 615), Yellow),
            Rectangle(gallows, FigureParts[1], Twips(1080, 960, 135, 135), Cyan),
            Rectangle(gallows, FigureParts[2], Twips(1440, 960, 135, 135), Cyan),
            Line(gallows, FigureParts[3], Point(1320, 960), Point(1320, 1200), QColor(192, 0, 192)),
            Line(gallows, FigureParts[4], Point(1200, 1320), Point(1440, 1320), QColor(255, 0, 0)),
            Line(gallows, FigureParts[5], Point(1320, 1440), Point(1320, 2640), Yellow),
            Line(gallows, FigureParts[6], Point(1320, 1800), Point(840, 1920), Yellow),
            Line(gallows, FigureParts[7], Point(1800, 1920), Point(1320, 1800), Yellow),
            Line(gallows, FigureParts[8], Point(1320, 2640), Point(960, 3120), Yellow),
            Line(gallows, FigureParts[9], Point(1320, 2640), Point(1680, 3120), Yellow),
    };
    for (QWidget *part : figure)
        part->hide();
    for (int eye : {1, 2})
        static_cast<FilledShape *>(figure[eye])->setEdge(EyeEdge);
    return gallows;
}

} // namespace

BoardWidgets BuildBoard(QWidget *vClient)
{
    using namespace Controls;
    BoardWidgets board;
    board.drawing = BuildDrawing(vClient);

    board.clue = Label<ClueLabel>(vClient, lMeaning, MeaningIdle);
    board.clue->setWordWrap(true);
    board.clue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    board.chances = Label(vClient, lChances, ChancesCaption);
    QLabel *chances1 = Label(vClient, lChances1, ChancesLeft(0));
    // The caption's font fills its label to the last pixel; the number keeps
    // a space's width from the colon, as far as its own label allows.
    const QFontMetrics captionMetrics(vClient->font());
    const int room = chances1->width() - captionMetrics.horizontalAdvance(ChancesLeft(0));
    chances1->setIndent(std::clamp(captionMetrics.horizontalAdvance(u' '), 0, std::max(room, 0)));

    const QFont cellFont = BoardFonts::cellFont(vClient->font());
    board.cellFrameStyle = new CellFrameStyle(Layout::Px(Layout::CellTop));
    board.letterRow = Frame(vClient, fLetters, LettersCaption);
    board.letterRow->setStyle(board.cellFrameStyle);
    for (int i = 0; i < LetterCount; ++i) {
        auto *cell = Cell<ClickLabel>(board.letterRow, lLetters, i, LettersPerRow, LetterCaption(i),
                                      i == 0 ? Yellow : LightYellow, cellFont);
        cell->setEnabled(false);
        board.letters << cell;
    }

    board.wordRow = Frame(vClient, Frame1, WordCaption);
    board.wordRow->setStyle(board.cellFrameStyle);
    for (int i = 0; i < WordCellCount; ++i)
        Cell<QLabel>(board.wordRow, lWord, i, WordCellCount, Unrevealed, LightYellow, cellFont)->hide();

    board.start = Button(vClient, cStart, StartCaption);
    board.exit = Button(vClient, cExit, ExitCaption);
    return board;
}
