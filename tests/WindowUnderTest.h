#pragma once

#include "platform/Controls.h"
#include "testsupport/FakePlatform.h"
#include "window/fScaffold.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// The real window, shown headless, with the fake platform behind it, and the
// moves of a player: Start on a one-entry list, a click on a letter that can
// be seen.
struct WindowUnderTest
{
    FakePlatform platform;
    fScaffold w{platform};

    WindowUnderTest()
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    template <typename T = QWidget>
    T *get(const QString &vName)
    {
        T *widget = w.findChild<T *>(vName);
        if (!widget)
            qFatal("no control %s", qPrintable(vName));
        return widget;
    }
    QLabel *letter(QChar vLetter) { return get<QLabel>(Controls::Element(Controls::lLetters, vLetter.unicode() - u'A')); }
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
};
