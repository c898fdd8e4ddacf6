// A user's hand for the modal windows a road opens: real message boxes and
// file dialogs are shown, and each step waits for the next one and works its
// buttons and boxes. Activations come from the windows themselves.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <functional>

class ModalHand {
public:
    ModalHand()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    }

    // The next message box: press this button.
    void press(QMessageBox::StandardButton button)
    {
        add([button](QWidget* m) {
            auto* box = qobject_cast<QMessageBox*>(m);
            if (!box || !box->button(button))
                return false;
            box->button(button)->click();
            return true;
        });
    }
    // The next file dialog: type this name and press its accept button.
    void type(const QString& fileName)
    {
        add([fileName](QWidget* m) {
            auto* d = qobject_cast<QFileDialog*>(m);
            if (!d)
                return false;
            auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* buttons = d->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            if (!edit || !buttons)
                return false;
            edit->setText(fileName);
            for (QAbstractButton* b : buttons->buttons())
                if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole) {
                    b->click();
                    return true;
                }
            return false;
        });
    }
    // The next modal window of type W: work it.
    template <typename W>
    void in(std::function<void(W&)> work)
    {
        add([work](QWidget* m) {
            auto* w = qobject_cast<W*>(m);
            if (!w)
                return false;
            work(*w);
            return true;
        });
    }

    bool done() const { return steps_.empty(); }
    // The file dialog shown last, as it started (folder and proposed name).
    QString lastDialogStart() const { return lastDialogStart_; }

    // The hand watches from its first step until settle() returns.
    // Lets the program run until every step has been taken and nothing
    // modal is left open, then a little longer for the activations.
    bool settle(int timeoutMs = 5000)
    {
        QElapsedTimer t;
        t.start();
        timer_.start();
        while (t.elapsed() < timeoutMs && (!done() || QApplication::activeModalWidget()))
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        timer_.stop();
        return done() && !QApplication::activeModalWidget();
    }

private:
    void add(std::function<bool(QWidget*)> step)
    {
        steps_.push_back(std::move(step));
        timer_.start();
    }
    void poll()
    {
        QWidget* m = QApplication::activeModalWidget();
        // A user works a window once it is up and active.
        if (!m || !m->isVisible() || !m->isActiveWindow() || m->property("handByRoad").toBool())
            return;
        if (steps_.empty()) {
            // Nothing was expected: say what is in the way and close it.
            auto* box = qobject_cast<QMessageBox*>(m);
            qWarning("unexpected modal window %s: %s", m->metaObject()->className(),
                     qPrintable(box ? box->text() : m->windowTitle()));
            m->setProperty("handByRoad", true);
            QTimer::singleShot(0, m, [m] { m->close(); });
            return;
        }
        if (auto* d = qobject_cast<QFileDialog*>(m)) {
            const QString name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                                     ? d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text()
                                     : QString();
            lastDialogStart_ = d->directory().absolutePath() + u'|' + name;
        }
        m->setProperty("handByRoad", true);
        if (qEnvironmentVariableIsSet("ROAD_TRACE")) {
            auto* box = qobject_cast<QMessageBox*>(m);
            qWarning("modal %s: %s", m->metaObject()->className(), qPrintable(box ? box->text() : m->windowTitle()));
        }
        if (steps_.front()(m))
            steps_.pop_front();
        else
            m->setProperty("handByRoad", false);
    }

    std::deque<std::function<bool(QWidget*)>> steps_;
    QTimer timer_;
    QString lastDialogStart_;
};
