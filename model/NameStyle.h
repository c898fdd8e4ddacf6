// The three ways the giver's name is written, in the order of the main
// window's style list. The list can be typed in, so code that decides by the
// shown text maps it through nameStyleOf(), which gives None for other text.
#pragma once

#include <QString>
#include <QStringList>

namespace app {

enum class NameStyle { None = -1, OneLine = 0, TwoLine = 1, Joint = 2 };

// The styles with a list entry; registered sizes keep one template per style.
constexpr int NameStyleCount = 3;

// "１行印刷", "２行印刷", "連名印刷"; empty for None.
QString nameStyleText(NameStyle style);
// The style whose list text is exactly `text`; None for any other text.
NameStyle nameStyleOf(const QString& text);
// The style at a list index (0..2); None outside.
NameStyle nameStyleAt(int index);
// The main window's list entries, in order.
QStringList nameStyleTexts();
// The calibration page writes the digits half-width: "1行印刷", "2行印刷", "連名印刷".
QStringList nameStyleNarrowTexts();

} // namespace app
