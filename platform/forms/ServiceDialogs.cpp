#include "platform/forms/ServiceDialogs.h"

#include "platform/run/RunState.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QWindow>

namespace forms {

namespace {

// The window the focus was in before the latest move. Qt activates the window
// that gets the focus before it reports the move, so that at the activation
// this still names the window the focus came from.
struct FocusTracker {
    bool lastWasServiceDialog = false;
    FocusTracker()
    {
        watch = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [this](QWindow* w) {
            if (!w)
                return;
            lastWasServiceDialog = false;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->windowHandle() == w) {
                    lastWasServiceDialog = qobject_cast<QMessageBox*>(top) || qobject_cast<QFileDialog*>(top) ||
                                           qobject_cast<QColorDialog*>(top) || top->inherits("ui::FontDialog");
                    break;
                }
            }
        });
    }
    ~FocusTracker() { QObject::disconnect(watch); }
    FocusTracker(const FocusTracker&) = delete;
    FocusTracker& operator=(const FocusTracker&) = delete;

    QMetaObject::Connection watch;
};

FocusTracker& focusTracker() { return run::slot<FocusTracker>(); }

} // namespace

void watchServiceDialogs() { focusTracker(); }

bool isServiceDialogReturn(const QEvent* e)
{
    return e->type() == QEvent::WindowActivate && focusTracker().lastWasServiceDialog;
}

} // namespace forms
