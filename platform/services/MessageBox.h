// Message boxes, beep and the other interactive services the windows call.
// Tests replace the answerer to script the answers and record what was shown.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace ui {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

// The title of every message that asks the user to check what was entered
// or chosen (a missing choice, a value out of range, a size not found).
inline const QString InputCheckTitle = QStringLiteral("入力事項の確認");

struct MessageRequest {
    QString title;
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

// Shows a message box (modal) and returns the button chosen.
Answer MsgBox(const QString& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
              const QString& title = QString());
void Beep();

// Test hooks: an answerer replaces the real dialogs; every request is recorded.
using Answerer = std::function<Answer(const MessageRequest&)>;
void setAnswerer(Answerer a);                 // empty function: real dialogs again
const std::vector<MessageRequest>& shownMessages();
void clearShownMessages();
int beepCount();

} // namespace ui
