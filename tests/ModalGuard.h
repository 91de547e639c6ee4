#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

// While it lives, no modal box or dialog can block a test: each one that
// opens is given to the next handler the test expects, then closed if still
// open, so that exec() returns even when a check inside the handler failed.
// A box the test did not expect fails the test; so does an expected one that
// never opened.
class ModalGuard
{
public:
    ModalGuard()
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
        m_poll.start(10);
    }
    ~ModalGuard()
    {
        if (!m_expected.empty())
            QTest::qFail("a box the test expected never opened", __FILE__, __LINE__);
    }
    // The next box to open is given to vHandler.
    void expect(std::function<void(QWidget *)> vHandler) { m_expected.push_back(std::move(vHandler)); }

private:
    void poll()
    {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || m_handling)
            return;
        if (m_expected.empty()) {
            const auto *message = qobject_cast<QMessageBox *>(box);
            const QString what = box->windowTitle() + (message ? QStringLiteral(": ") + message->text() : QString());
            QTest::qFail(qPrintable("a box the test did not expect opened, " + what), __FILE__, __LINE__);
        } else {
            // A handler may wait on events, which runs this poll again.
            m_handling = true;
            m_expected.front()(box);
            m_expected.pop_front();
            m_handling = false;
        }
        if (QApplication::activeModalWidget() == box) {
            if (auto *dialog = qobject_cast<QDialog *>(box))
                dialog->reject();
            else
                box->close();
        }
    }

    QTimer m_poll;
    std::deque<std::function<void(QWidget *)>> m_expected;
    bool m_handling = false;
};
