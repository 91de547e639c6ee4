#pragma once

#include "Platform.h"

#include <QRandomGenerator>

#include <memory>

class QMessageBox;
class QWidget;

// The desktop services over Qt: message boxes, files, a clock-seeded random
// source and the program's folder.
class QtPlatform : public Platform
{
public:
    // Message boxes are modal to vParent once it is set.
    void setParent(QWidget *vParent) { m_parent = vParent; }

    // The box MsgBox shows, made but not yet shown.
    static std::unique_ptr<QMessageBox> CreateBox(QWidget *vParent, const QString &vText, Buttons vButtons,
                                                  const QString &vTitle);

    int MsgBox(const QString &vText, Buttons vButtons, const QString &vTitle) override;
    std::unique_ptr<TextInput> openText(const QString &vPath, QString &vError) override;
    void Randomize() override;
    double Rnd() override;
    QString programFolder() const override;
    [[noreturn]] void End() override;

private:
    QWidget *m_parent = nullptr;
    QRandomGenerator m_random;
};
