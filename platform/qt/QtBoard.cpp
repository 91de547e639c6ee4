#include "platform/qt/QtBoard.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace {

class WidgetControl : public BoardControl
{
public:
    explicit WidgetControl(QWidget *vWidget) : m_widget(vWidget) { }

    QString caption() const override
    {
        if (const auto *label = qobject_cast<const QLabel *>(m_widget))
            return label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(m_widget))
            return button->text();
        if (const auto *frame = qobject_cast<const QGroupBox *>(m_widget))
            return frame->title();
        return QString();
    }
    void setCaption(const QString &vCaption) override
    {
        // A caption that does not change costs no layout or repaint.
        if (caption() == vCaption)
            return;
        if (auto *label = qobject_cast<QLabel *>(m_widget))
            label->setText(vCaption);
        else if (auto *button = qobject_cast<QAbstractButton *>(m_widget))
            button->setText(vCaption);
        else if (auto *frame = qobject_cast<QGroupBox *>(m_widget))
            frame->setTitle(vCaption);
        else
            throw BoardError("control " + m_widget->objectName().toStdString() + " has no caption");
    }
    void setVisible(bool vVisible) override { m_widget->setVisible(vVisible); }
    void setEnabled(bool vEnabled) override { m_widget->setEnabled(vEnabled); }

private:
    QWidget *m_widget;
};

} // namespace

QtBoard::~QtBoard() = default;

BoardControl &QtBoard::control(const QString &vName)
{
    auto found = m_controls.find(vName);
    if (found == m_controls.end()) {
        auto *widget = m_window.findChild<QWidget *>(vName);
        if (!widget)
            throw BoardError("the window has no control named " + vName.toStdString());
        found = m_controls.insert(vName, std::make_shared<WidgetControl>(widget));
    }
    return **found;
}
