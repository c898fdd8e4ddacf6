#include "platform/forms/CharLimit.h"

#include "platform/text/Graphemes.h"

#include <QLineEdit>

namespace forms {

CharLimitValidator::CharLimitValidator(QLineEdit* box, const int* limit) : QValidator(box), limit_(limit)
{
    // The box's own text is already the edited one while it validates.
    accepted_ = text::charCount(box->text());
    connect(box, &QLineEdit::textChanged, this, [this](const QString& t) { accepted_ = text::charCount(t); });
}

CharLimitValidator::CharLimitValidator(QLineEdit* box, int limit) : CharLimitValidator(box, &fixed_)
{
    fixed_ = limit;
}

QValidator::State CharLimitValidator::validate(QString& input, int&) const
{
    const qsizetype n = text::charCount(input);
    if (*limit_ > 0 && n > *limit_ && n > accepted_)
        return Invalid;
    return Acceptable;
}

void limitChars(QLineEdit* box, int n)
{
    box->setValidator(new CharLimitValidator(box, n));
}

} // namespace forms
