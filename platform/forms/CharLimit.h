// A limit on what the user types into a line edit, in characters as the user
// sees them (a surrogate pair or a character with its variation selector is
// one), where QLineEdit's own maximum counts UTF-16 units. Typing that would
// pass the limit is refused; a text already longer (set by the program, or a
// limit lowered afterwards) is never shortened.
#pragma once

#include <QValidator>

class QLineEdit;

namespace forms {

class CharLimitValidator : public QValidator {
public:
    // limit is read at every check, so the owner may change it; 0 is no limit.
    CharLimitValidator(QLineEdit* box, const int* limit);
    // A fixed limit.
    CharLimitValidator(QLineEdit* box, int limit);
    State validate(QString& input, int& pos) const override;

private:
    int fixed_ = 0;
    const int* limit_;
    qsizetype accepted_ = 0; // characters of the box's current text
};

// Puts a fixed limit of n characters on the box.
void limitChars(QLineEdit* box, int n);

} // namespace forms
