#include "platform/forms/Form.h"
#include "platform/run/RunState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>

namespace forms {

namespace {

// The program ends with its last window. A window unloaded by code is only
// hidden, which Qt does not count as closing; so look again once the
// handler that unloaded it has finished (it may show the next window).
struct LastWindowHandler {
    std::function<void()> handler;
};

std::function<void()>& lastWindowHandler() { return run::slot<LastWindowHandler>().handler; }

void quitWhenNoWindowIsLeft()
{
    QTimer::singleShot(0, qApp, [] {
        if (!QGuiApplication::quitOnLastWindowClosed())
            return;
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                return;
        }
        if (lastWindowHandler())
            lastWindowHandler()();
        else
            QCoreApplication::quit();
    });
}

} // namespace

void setLastWindowHandler(std::function<void()> handler) { lastWindowHandler() = std::move(handler); }

Form::Form(QWidget* parent) : QDialog(parent) {}

bool Form::unload() { return end(false); }

bool Form::unloadKeeping() { return end(!everShown_); }

void Form::reuse()
{
    if (!kept_)
        return;
    Form_Reset();
    kept_ = unloaded_ = false;
}

void Form::showEvent(QShowEvent* e)
{
    everShown_ = true;
    QDialog::showEvent(e);
}

bool Form::end(bool keep)
{
    if (unloaded_)
        return true;
    if (unloading_)
        return false;
    unloading_ = true;
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (!cancel)
        Form_Unload(cancel);
    unloading_ = false;
    if (cancel)
        return false;
    // Readers must not reach the old window any more; the object itself
    // goes once control has left its handlers.
    unloaded_ = true;
    const bool wasVisible = isVisible();
    hide();
    if (keep) {
        kept_ = true;
        return true;
    }
    deleteLater();
    if (wasVisible)
        quitWhenNoWindowIsLeft();
    return true;
}

void Form::closeEvent(QCloseEvent* e)
{
    // The close box unloads the window, as closing by code does.
    e->ignore();
    if (!unloading_)
        unload();
}

bool Form::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(e);
}

} // namespace forms
