#pragma once

#include "ModalGuard.h"
#include "platform/seam/Controls.h"
#include "testsupport/FakePlatform.h"
#include "window/fScaffold.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <type_traits>

// The real window, shown headless, with the fake platform behind it, and the
// moves of a player: Start on a one-entry list, a click on a letter that can
// be seen. A real box that opens fails the test and is closed.
struct WindowUnderTest
{
    ModalGuard modalGuard;
    FakePlatform platform;
    fScaffold w{platform};
    QWidget standIns; // never shown

    WindowUnderTest()
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    // The control named vName. A missing one fails the current test only: the
    // test goes on against a hidden stand-in of the same type, so it cannot
    // crash the run; a type that cannot stand in alone comes back null, for
    // the caller to QVERIFY.
    template <typename T = QWidget>
    T *get(const QString &vName)
    {
        if (T *widget = w.findChild<T *>(vName))
            return widget;
        QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(vName)), __FILE__, __LINE__);
        if constexpr (std::is_default_constructible_v<T>) {
            auto *standIn = new T;
            standIn->setParent(&standIns);
            return standIn;
        } else {
            return nullptr;
        }
    }
    QLabel *letter(QChar vLetter)
    {
        return get<QLabel>(Controls::Element(Controls::lLetters, vLetter.unicode() - u'A'));
    }
    QLabel *word(int vIndex) { return get<QLabel>(Controls::Element(Controls::lWord, vIndex)); }
    // A click as a user makes it: only on a cell that can be seen.
    void click(QChar vLetter)
    {
        QLabel *cell = letter(vLetter);
        QVERIFY2(cell->isVisible(), "clicked a hidden cell");
        QTest::mouseClick(cell, Qt::LeftButton);
    }
    void start(const QByteArray &vEntry)
    {
        platform.writeWordList("1\n" + vEntry + "\n");
        QTest::mouseClick(get<QPushButton>(Controls::cStart), Qt::LeftButton);
    }
    QString caption(const QString &vName) { return get<QLabel>(vName)->text(); }
    // The word as its visible cells show it.
    QString shown()
    {
        QString text;
        for (int i = 0; i < Controls::WordCellCount; ++i)
            if (!word(i)->isHidden())
                text += word(i)->text();
        return text;
    }
    // Every named control's caption, visibility and state, one line each.
    QString board()
    {
        QStringList lines;
        for (QWidget *widget : w.findChildren<QWidget *>()) {
            if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_"))
                continue;
            const auto *label = qobject_cast<QLabel *>(widget);
            lines << QStringLiteral("%1 %2 %3 %4")
                             .arg(widget->objectName(), label ? label->text() : QString())
                             .arg(widget->isHidden())
                             .arg(widget->isEnabled());
        }
        lines.sort();
        return lines.join('\n');
    }
    // The board and the game's own state.
    QString boardAndGame()
    {
        return board()
                + QStringLiteral("\nmisses %1, word %2, messages %3")
                          .arg(w.misses())
                          .arg(w.word())
                          .arg(platform.messageCount);
    }
};
