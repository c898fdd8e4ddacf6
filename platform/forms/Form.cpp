#include "platform/forms/Form.h"

#include <QCloseEvent>

namespace forms {

Form::Form(QWidget* parent) : QDialog(parent) {}

bool Form::unload()
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
    hide();
    deleteLater();
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
