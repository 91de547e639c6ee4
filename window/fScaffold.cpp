#include "window/fScaffold.h"

#include "game/GameHandlers.h"
#include "platform/Controls.h"
#include "platform/QtBoard.h"
#include "window/AppIcon.h"
#include "window/BoardAccessibility.h"
#include "window/BoardFrame.h"
#include "window/BoardFonts.h"
#include "window/CellFrameStyle.h"
#include "window/ClickLabel.h"
#include "window/ClueLabel.h"
#include "window/Layout.h"
#include "window/Shapes.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>

#include <algorithm>
#include <iterator>

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
LabelType *Label(QWidget *vParent, const QString &vName, const QString &vCaption, const QRect &vGeometry)
{
    // Named before it has a text: a label's accessible interface is made at
    // its first change, and the board's interfaces go by the name.
    auto *label = Named(new LabelType(vParent), vName, vGeometry);
    // Word lists are plain text: a "<" in a clue must not start markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(vCaption);
    return label;
}

QGroupBox *Frame(QWidget *vParent, const QString &vName, const QString &vCaption, const QRect &vGeometry)
{
    auto *frame = Named(new BoardFrame(vCaption, vParent), vName, vGeometry);
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

// Cell vIndex of an array of cells in rows of vPerRow, the first row at vTop
// and each further one a cell's pitch lower.
template <typename LabelType>
LabelType *Cell(QWidget *vParent, const QString &vArray, int vIndex, int vPerRow, int vTop, const QString &vCaption,
                const QColor &vBackground, const QFont &vFont)
{
    const int left = Layout::CellLeft + Layout::CellPitch * (vIndex % vPerRow);
    const int top = vTop + Layout::CellPitch * (vIndex / vPerRow);
    auto *cell = Named(new LabelType(vCaption, vParent), Controls::Element(vArray, vIndex),
                       Twips(left, top, Layout::CellWidth, Layout::CellHeight));
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

QPushButton *Button(QWidget *vParent, const QString &vName, const QString &vCaption, const QRect &vGeometry)
{
    auto *button = Named(new QPushButton(vCaption, vParent), vName, vGeometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace

fScaffold::fScaffold(Platform &vPlatform, QWidget *vParent) : QMainWindow(vParent), m_platform(vPlatform)
{
    BoardAccessibility::install();
    setObjectName(QStringLiteral("fScaffold"));
    setWindowTitle(QStringLiteral("Scaffold"));
    setWindowIcon(AppIcon());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Layout::Px(Layout::ClientWidth), Layout::Px(Layout::ClientHeight));
    client->setFont(BoardFonts::captionFont(font()));
    setCentralWidget(client);
    buildBoard(client);
    buildMenu();
    // The window keeps the board's size: nothing on it moves or stretches.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Owned by the window, and made its child after the board, so that it
    // outlives the frames that use it.
    m_cellFrameStyle->setParent(this);
    // The names as the board starts; nothing has changed yet to announce.
    m_announced[0] = BoardAccessibility::figureName(m_drawing);
    m_announced[1] = BoardAccessibility::wordName(m_word);
    m_announced[2] = BoardAccessibility::chancesName(m_chances);
}

void fScaffold::buildBoard(QWidget *vClient)
{
    using namespace Controls;
    // Each name is the control's contract with the game and the tests.
    auto *gallows = Frame(vClient, fScaffold1, GallowsCaption, Twips(360, 360, 3135, 4095));
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
    m_drawing = gallows;

    m_clue = Label<ClueLabel>(vClient, lMeaning, MeaningIdle, Twips(3960, 480, 2415, 1575));
    m_clue->setWordWrap(true);
    m_clue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_chances = Label(vClient, lChances, ChancesCaption, Twips(3960, 2520, Layout::ChancesWidth, 255));
    QLabel *chances1 = Label(vClient, lChances1, ChancesLeft(0), Twips(5880, 2520, 255, 255));
    // The caption's font fills its label to the last pixel; the number keeps
    // a space's width from the colon, as far as its own label allows.
    const QFontMetrics captionMetrics(vClient->font());
    const int room = chances1->width() - captionMetrics.horizontalAdvance(ChancesLeft(0));
    chances1->setIndent(std::clamp(captionMetrics.horizontalAdvance(u' '), 0, std::max(room, 0)));

    const QFont cellFont = BoardFonts::cellFont(vClient->font());
    m_cellFrameStyle = new CellFrameStyle(Layout::Px(Layout::CellTop));
    auto *letters = Frame(vClient, fLetters, LettersCaption, Twips(360, 4920, 3255, 855));
    letters->setStyle(m_cellFrameStyle);
    for (int i = 0; i < LetterCount; ++i) {
        auto *cell = Cell<ClickLabel>(letters, lLetters, i, LettersPerRow, Layout::CellTop, LetterCaption(i),
                                      i == 0 ? Yellow : LightYellow, cellFont);
        cell->setEnabled(false);
        connect(cell, &ClickLabel::clicked, this, [this, i] { lLetters_Click(qint16(i)); });
        m_letters << cell;
    }

    m_word = Frame(vClient, Frame1, WordCaption, Twips(360, 6120, 3255, 735));
    m_word->setStyle(m_cellFrameStyle);
    for (int i = 0; i < WordCellCount; ++i)
        Cell<QLabel>(m_word, lWord, i, WordCellCount, Layout::CellTop, Unrevealed, LightYellow, cellFont)->hide();

    auto *start = Button(vClient, cStart, StartCaption, Twips(5520, 6000, 735, 375));
    auto *exit = Button(vClient, cExit, ExitCaption, Twips(5520, 6480, 735, 375));
    connect(start, &QPushButton::clicked, this, &fScaffold::cStart_Click);
    connect(exit, &QPushButton::clicked, this, &fScaffold::cExit_Click);
    setTabOrder(start, exit);
    start->setFocus();
}

void fScaffold::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mHelp"));

    QAction *content = help->addAction(QStringLiteral("&Content"));
    content->setObjectName(QStringLiteral("mContent"));
    help->addSeparator()->setObjectName(QStringLiteral("m1"));
    QAction *about = help->addAction(QStringLiteral("&About Us"));
    about->setObjectName(QStringLiteral("mAboutUs"));

    // Exit sits on the bar itself and acts at once, without a drop-down.
    auto *exit = new QAction(QStringLiteral("&Exit"), this);
    exit->setObjectName(QStringLiteral("mExit"));
    bar->addAction(exit);

    connect(content, &QAction::triggered, this, &fScaffold::mContent_Click);
    connect(about, &QAction::triggered, this, &fScaffold::mAboutUs_Click);
    connect(exit, &QAction::triggered, this, &fScaffold::mExit_Click);
}

void fScaffold::keyPressEvent(QKeyEvent *vEvent)
{
    const int key = vEvent->key();
    // Enter presses the focused button, as Space does; a button outside a
    // dialog leaves Enter to its window.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (vEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()); button && !vEvent->isAutoRepeat()) {
            vEvent->accept();
            button->click();
            return;
        }
    }
    // A letter typed with no modifier but Shift is a guess. Other keys go on
    // to the menu's access keys and the rest of Qt.
    if (key < Qt::Key_A || key > Qt::Key_Z || (vEvent->modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier) {
        QMainWindow::keyPressEvent(vEvent);
        return;
    }
    vEvent->accept();
    // A key held down guesses once.
    if (vEvent->isAutoRepeat())
        return;
    // The letter's cell is the one that shows it; the cell itself refuses
    // the guess while it is hidden or disabled.
    const QString letter(QChar(u'A' + (key - Qt::Key_A)));
    for (ClickLabel *cell : std::as_const(m_letters))
        if (cell->text() == letter)
            cell->click();
}

void fScaffold::guarded(const std::function<void()> &vHandler)
{
    // One handler at a time. A message box blocks the window's mouse and
    // keyboard, but not a screen reader's press action, which is delivered
    // from inside the box's event loop.
    if (m_ended || m_running)
        return;
    const QScopedValueRollback<bool> running(m_running, true);
    // A handler that stops at a message box waits in the box's event loop,
    // which runs this queued call: a screen reader hears how the guess left
    // the board before the box is answered. The call at the end covers
    // what follows.
    QMetaObject::invokeMethod(this, &fScaffold::announceBoard, Qt::QueuedConnection);
    QString failure;
    try {
        vHandler();
        announceBoard();
        return;
    } catch (const ProgramEnd &) {
        finish();
        return;
    } catch (const std::exception &e) {
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure = QStringLiteral("an unknown failure");
    }
    try {
        m_platform.messageBox(QStringLiteral("Scaffold stopped after a failure:") + QChar(u'\r') + failure,
                              Platform::Buttons::Ok, QStringLiteral("Scaffold"));
        m_platform.end();
    } catch (...) {
    }
    finish();
}

void fScaffold::announceBoard()
{
    // A clue cut short is whole in its tooltip and its description.
    const QString whole = m_clue->isCut() ? m_clue->text() : QString();
    if (m_clue->toolTip() != whole) {
        m_clue->setToolTip(whole);
        m_clue->setAccessibleDescription(whole);
    }

    // A screen reader reads the names of the drawing, the word row and the
    // chances off the board; it is told of each that changed since it was
    // last told.
    const QString names[] = {BoardAccessibility::figureName(m_drawing), BoardAccessibility::wordName(m_word),
                             BoardAccessibility::chancesName(m_chances)};
    QWidget *const named[] = {m_drawing, m_word, m_chances};
    for (size_t i = 0; i < std::size(names); ++i) {
        if (m_announced[i] == names[i])
            continue;
        m_announced[i] = names[i];
        QAccessibleEvent changed(named[i], QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void fScaffold::finish()
{
    m_ended = true;
    close();
    QCoreApplication::quit();
}

void fScaffold::cStart_Click()
{
    guarded([this] {
        QtBoard board(*this);
        game::cStart_Click(board, m_platform, vWord, vMisses);
    });
}

void fScaffold::lLetters_Click(qint16 Index)
{
    guarded([this, Index] {
        QtBoard board(*this);
        game::lLetters_Click(board, m_platform, vWord, vMisses, Index);
    });
}

void fScaffold::cExit_Click()
{
    guarded([this] { m_platform.end(); });
}

void fScaffold::mExit_Click()
{
    guarded([this] { m_platform.end(); });
}

void fScaffold::mContent_Click()
{
    guarded([this] {
        m_platform.messageBox(QStringLiteral("Play Scaffold and Enjoy and Learn"), Platform::Buttons::Ok,
                              QStringLiteral("Content"));
    });
}

void fScaffold::mAboutUs_Click()
{
    guarded([this] {
        const QString indent(18, u' ');
        const QString text = QStringLiteral("Scaffold, made by the Scaffold project") + QChar(u'\r') + indent
                + QStringLiteral("scaffold@example.org") + QChar(u'\r') + indent
                + QStringLiteral("https://example.org/scaffold");
        m_platform.messageBox(text, Platform::Buttons::Ok, QStringLiteral("About Us"));
    });
}
