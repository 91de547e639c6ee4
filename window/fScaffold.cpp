#include "fScaffold.h"

#include "AppIcon.h"
#include "QtBoard.h"
#include "Shapes.h"
#include "cScaffold.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int Px(int vTwips)
{
    return vTwips / fScaffold::TwipsPerPixel;
}

QRect Twips(int vLeft, int vTop, int vWidth, int vHeight)
{
    return QRect(Px(vLeft), Px(vTop), Px(vWidth), Px(vHeight));
}

QPoint Point(int vX, int vY)
{
    return QPoint(Px(vX), Px(vY));
}

const QColor Gallows(64, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor LightYellow(255, 255, 128);
const QColor Cyan(0, 255, 255);

template <typename T>
T *Named(T *vWidget, const QString &vName, const QRect &vGeometry)
{
    vWidget->setObjectName(vName);
    vWidget->setGeometry(vGeometry);
    return vWidget;
}

QLabel *Label(QWidget *vParent, const QString &vName, const QString &vCaption, const QRect &vGeometry)
{
    auto *label = Named(new QLabel(vCaption, vParent), vName, vGeometry);
    // Word lists are plain text: a "<" in a clue must not start markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QGroupBox *Frame(QWidget *vParent, const QString &vName, const QString &vCaption, const QRect &vGeometry)
{
    auto *frame = Named(new QGroupBox(vCaption, vParent), vName, vGeometry);
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

ClickLabel *Cell(QWidget *vParent, const QString &vName, const QString &vCaption, int vLeft, int vTop,
                 const QColor &vBackground, const QFont &vFont)
{
    auto *cell = Named(new ClickLabel(vCaption, vParent), vName, Twips(vLeft, vTop, 135, 255));
    cell->setTextFormat(Qt::PlainText);
    cell->setAlignment(Qt::AlignCenter);
    cell->setFont(vFont);
    cell->setAutoFillBackground(true);
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, vBackground);
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
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

} // namespace

fScaffold::fScaffold(Platform &vPlatform, QWidget *vParent) : QMainWindow(vParent), m_platform(vPlatform)
{
    setObjectName(QStringLiteral("fScaffold"));
    setWindowTitle(QStringLiteral("Scaffold"));
    setWindowIcon(AppIcon());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Px(ClientWidth), Px(ClientHeight));
    client->setFont(BoardFont(font()));
    setCentralWidget(client);
    buildBoard(client);
    buildMenu();
    // The window keeps the board's size: nothing on it moves or stretches.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

namespace {

// The largest pixel size from vMin to vMax at which vOverflow(metrics) is at
// most 1. Each size tried costs a font lookup, so one measurement at vMax
// gives an estimate (text grows in step with the size) and the neighbours
// confirm it, rather than trying every size on the way down.
template <typename Overflow>
QFont LargestFitting(QFont vFont, int vMin, int vMax, Overflow vOverflow)
{
    const auto overflowAt = [&](int vPixels) {
        vFont.setPixelSize(vPixels);
        return vOverflow(QFontMetrics(vFont));
    };
    const double atMax = overflowAt(vMax);
    int pixels = atMax <= 1.0 ? vMax : std::clamp(int(vMax / atMax), vMin, vMax);
    if (pixels < vMax) {
        while (pixels > vMin && overflowAt(pixels) > 1.0)
            --pixels;
        while (pixels < vMax && overflowAt(pixels + 1) <= 1.0)
            ++pixels;
    }
    vFont.setPixelSize(pixels);
    return vFont;
}

} // namespace

QFont fScaffold::BoardFont(const QFont &vBase)
{
    // The longest fixed caption sets the size; the others are shorter than their controls.
    const QString longest = QStringLiteral("Number Of Chances Left :");
    return LargestFitting(vBase, 8, QFontInfo(vBase).pixelSize(), [&](const QFontMetrics &vMetrics) {
        return vMetrics.horizontalAdvance(longest) / double(Px(1935));
    });
}

QFont fScaffold::CellFont(const QFont &vBase)
{
    const QSize cell(Px(135), Px(255));
    QFont bold = vBase;
    bold.setBold(true);
    return LargestFitting(bold, 7, cell.height() - 2, [&](const QFontMetrics &vMetrics) {
        int widest = 0;
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            widest = std::max(widest, vMetrics.boundingRect(QLatin1Char(letter)).width());
        return std::max(widest / double(cell.width()), vMetrics.height() / double(cell.height()));
    });
}

void fScaffold::buildBoard(QWidget *vClient)
{
    // Each name is the control's contract with the game and the tests.
    auto *gallows = Frame(vClient, QStringLiteral("fScaffold1"), QStringLiteral("Scaffold : SAVE ME PLZ..."),
                          Twips(360, 360, 3135, 4095));
    Rectangle(gallows, QStringLiteral("sFootStand"), Twips(120, 3480, 2655, 375), Gallows);
    Rectangle(gallows, QStringLiteral("sStand1"), Twips(360, 600, 135, 2895), Gallows);
    Rectangle(gallows, QStringLiteral("sStand2"), Twips(360, 480, 1215, 135), Gallows);
    Line(gallows, QStringLiteral("lRope"), Point(1320, 600), Point(1320, 840), Gallows);
    // Siblings paint in the order they are made: the face first, so that the
    // eyes, nose and mouth are drawn over it.
    QList<QWidget *> figure{
        Rectangle(gallows, QStringLiteral("sFace"), Twips(960, 840, 735, 615), Yellow),
        Rectangle(gallows, QStringLiteral("sEyes1"), Twips(1080, 960, 135, 135), Cyan),
        Rectangle(gallows, QStringLiteral("sEyes2"), Twips(1440, 960, 135, 135), Cyan),
        Line(gallows, QStringLiteral("lNose"), Point(1320, 960), Point(1320, 1200), QColor(192, 0, 192)),
        Line(gallows, QStringLiteral("lMouth"), Point(1200, 1320), Point(1440, 1320), QColor(255, 0, 0)),
        Line(gallows, QStringLiteral("lBody"), Point(1320, 1440), Point(1320, 2640), Yellow),
        Line(gallows, QStringLiteral("lArm1"), Point(1320, 1800), Point(840, 1920), Yellow),
        Line(gallows, QStringLiteral("lArm2"), Point(1800, 1920), Point(1320, 1800), Yellow),
        Line(gallows, QStringLiteral("lLeg1"), Point(1320, 2640), Point(960, 3120), Yellow),
        Line(gallows, QStringLiteral("lLeg2"), Point(1320, 2640), Point(1680, 3120), Yellow),
    };
    for (QWidget *part : figure)
        part->hide();

    auto *meaning = Label(vClient, QStringLiteral("lMeaning"), QStringLiteral("Meaning :"), Twips(3960, 480, 2415, 1575));
    meaning->setWordWrap(true);
    meaning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label(vClient, QStringLiteral("lChances"), QStringLiteral("Number Of Chances Left :"), Twips(3960, 2520, 1935, 255));
    Label(vClient, QStringLiteral("lChances1"), QStringLiteral("10"), Twips(5880, 2520, 255, 255));

    const QFont cellFont = CellFont(vClient->font());
    auto *letters = Frame(vClient, QStringLiteral("fLetters"), QStringLiteral("Select A Letter"), Twips(360, 4920, 3255, 855));
    for (int i = 0; i < 26; ++i) {
        const QColor background = i == 0 ? Yellow : LightYellow;
        auto *cell = Cell(letters, QStringLiteral("lLetters_%1").arg(i), QString(QChar(u'A' + i)), 120 + 240 * (i % 13),
                          i < 13 ? 240 : 480, background, cellFont);
        cell->setEnabled(false);
        connect(cell, &ClickLabel::clicked, this, [this, i] { lLetters_Click(qint16(i)); });
    }

    auto *word = Frame(vClient, QStringLiteral("Frame1"), QStringLiteral("Word Is ..."), Twips(360, 6120, 3255, 735));
    for (int i = 0; i < 13; ++i)
        Cell(word, QStringLiteral("lWord_%1").arg(i), QStringLiteral("_"), 120 + 240 * i, 240, LightYellow, cellFont)->hide();

    auto *start = Named(new QPushButton(QStringLiteral("Start"), vClient), QStringLiteral("cStart"), Twips(5520, 6000, 735, 375));
    auto *exit = Named(new QPushButton(QStringLiteral("Exit"), vClient), QStringLiteral("cExit"), Twips(5520, 6480, 735, 375));
    start->setAutoDefault(false);
    exit->setAutoDefault(false);
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

void fScaffold::guarded(const std::function<void()> &vHandler)
{
    if (m_ended)
        return;
    QString failure;
    try {
        vHandler();
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
        m_platform.MsgBox(QStringLiteral("Scaffold stopped after a failure:") + QChar(13) + failure, Platform::Buttons::Ok,
                          QStringLiteral("Scaffold"));
        m_platform.End();
    } catch (...) {
    }
    finish();
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
    guarded([this] { m_platform.End(); });
}

void fScaffold::mExit_Click()
{
    guarded([this] { m_platform.End(); });
}

void fScaffold::mContent_Click()
{
    guarded([this] {
        m_platform.MsgBox(QStringLiteral("Play Scaffold and Enjoy and Learn"), Platform::Buttons::Ok,
                          QStringLiteral("Content"));
    });
}

void fScaffold::mAboutUs_Click()
{
    guarded([this] {
        const QString indent(18, u' ');
        const QString text = QStringLiteral("Scaffold, made by the Scaffold project") + QChar(13) + indent
                + QStringLiteral("scaffold@example.org") + QChar(13) + indent
                + QStringLiteral("https://example.org/scaffold");
        m_platform.MsgBox(text, Platform::Buttons::Ok, QStringLiteral("About Us"));
    });
}
