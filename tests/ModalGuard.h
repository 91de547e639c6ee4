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
    using Handler = std::function<void(QWidget *vBox)>;

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
    ModalGuard(const ModalGuard &) = delete;
    ModalGuard &operator=(const ModalGuard &) = delete;

    // The next box to open is given to vHandler.
    void expect(Handler vHandler) { m_expected.push_back(std::move(vHandler)); }

private:
    void poll()
    {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || m_handling)
            return;
        if (m_expected.empty()) {
            const auto *message = qobject_cast<QMessageBox *>(box);
            const QString what = box->windowTitle() + (message ? QStringLiteral(": ") + message->text() : QString());
            QTest::qFail(qPrintable(QStringLiteral("a box the test did not expect opened, %1").arg(what)), __FILE__,
                         __LINE__);
        } else {
            const Handler handler = std::move(m_expected.front());
            m_expected.pop_front();
            // A handler may wait on events, which runs this poll again.
            m_handling = true;
            handler(box);
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
    std::deque<Handler> m_expected;
    bool m_handling = false;
};
