#include "platform/services/MessageBox.h"

#include "platform/services/ScriptedService.h"
#include "platform/run/RunState.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

namespace {

struct State {
    ScriptedService<MessageRequest, Answer> boxes;
    int beeps = 0;
};

State& state() { return run::slot<State>(); }

QMessageBox::StandardButtons standardButtons(Buttons b)
{
    switch (b) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon qtIcon(Icon i)
{
    switch (i) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The answer a box gives when it is closed without a button: Cancel where
// there is one, otherwise the only harmless choice.
Answer escapeAnswer(Buttons b)
{
    switch (b) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::AbortRetryIgnore: return Answer::Abort;
    default: return Answer::Cancel;
    }
}

Answer fromStandard(int b, Buttons buttons)
{
    switch (b) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Abort: return Answer::Abort;
    case QMessageBox::Ignore: return Answer::Ignore;
    default: return escapeAnswer(buttons);
    }
}

Answer realBox(const MessageRequest& r)
{
    QMessageBox box(qtIcon(r.icon), r.title, r.text, standardButtons(r.buttons), QApplication::activeWindow());
    return fromStandard(box.exec(), r.buttons);
}

} // namespace

Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    // A box without a title shows the application's name, as the original platform did.
    MessageRequest r{title.isEmpty() ? QApplication::applicationDisplayName() : title, text, buttons, icon};
    return state().boxes.run(r, realBox);
}

void Beep()
{
    ++state().beeps;
    if (!state().boxes.scripted())
        QApplication::beep();
}

void setAnswerer(Answerer a) { state().boxes.setScript(std::move(a)); }
const std::vector<MessageRequest>& shownMessages() { return state().boxes.shown(); }
void clearShownMessages()
{
    state().boxes.clear();
    state().beeps = 0;
}
int beepCount() { return state().beeps; }

} // namespace ui
