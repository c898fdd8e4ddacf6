// The magnifier "拡大": one input box's text at 40 points in the print
// font, with the Shift-JIS and Unicode code of every character.
#pragma once

#include "platform/forms/Form.h"

class QLabel;
class QLineEdit;

namespace app {

// The two code lines for a text: {Shift-JIS line, Unicode line}; both empty
// for an empty text. A character without a Shift-JIS code shows "?".
std::pair<QString, QString> magnifierCodeLines(const QString& text);

class frmTip : public forms::Form {
    Q_OBJECT
public:
    explicit frmTip(QWidget* parent = nullptr);
    void Form_Activate() override;

    QLabel* Label1 = nullptr; // Shift-JIS codes
    QLabel* Label2 = nullptr; // Unicode codes
    QLineEdit* Text1 = nullptr;

private:
    bool activated_ = false;
};

// Opens the magnifier modal on `text` in the font `fontName`; every opening
// starts anew.
void showMagnifier(const QString& text, const QString& fontName);

} // namespace app
