#pragma once

#include "platform/seam/Platform.h"

#include <QRandomGenerator>
#include <QRect>

#include <memory>

class QMessageBox;
class QWidget;

// The desktop services over Qt: message boxes, files, a clock-seeded random
// source, the program's folder and the word list to play.
class QtPlatform : public Platform
{
public:
    // Message boxes are modal to vParent once it is set.
    void setParent(QWidget *vParent) { m_parent = vParent; }

    // The box messageBox shows, made but not yet shown: plain text, a carriage
    // return as a line break, and Escape or closing the box as Cancel. Enter
    // and Escape answer it; typed letters and spaces do not.
    static std::unique_ptr<QMessageBox> createBox(QWidget *vParent, const QString &vText, Buttons vButtons,
                                                  const QString &vTitle);

    // Where a box of vBox's size opens beside vKeep, not over it, on vScreen:
    // to its right, else to its left, level with its top.
    static QPoint besidePosition(const QSize &vBox, const QRect &vKeep, const QRect &vScreen);

    Answer messageBox(const QString &vText, Buttons vButtons, const QString &vTitle) override;
    std::unique_ptr<TextInput> openText(const QString &vPath, QString &vError) override;
    void reseed() override;
    double random() override;
    QString wordListPath() const override;
    // Plays vPath instead of the list beside the program; empty goes back to that list.
    void chooseWordList(const QString &vPath) { m_wordList = vPath; }
    [[noreturn]] void end() override;

private:
    QWidget *m_parent = nullptr;
    QRandomGenerator m_random;
    QString m_wordList;
};
