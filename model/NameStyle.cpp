#include "model/NameStyle.h"

namespace app {

namespace {
const QString Texts[NameStyleCount] = {QStringLiteral("１行印刷"), QStringLiteral("２行印刷"),
                                       QStringLiteral("連名印刷")};
} // namespace

QString nameStyleText(NameStyle style)
{
    const int i = int(style);
    return i >= 0 && i < NameStyleCount ? Texts[i] : QString();
}

NameStyle nameStyleOf(const QString& text)
{
    for (int i = 0; i < NameStyleCount; ++i)
        if (text == Texts[i])
            return NameStyle(i);
    return NameStyle::None;
}

NameStyle nameStyleAt(int index)
{
    return index >= 0 && index < NameStyleCount ? NameStyle(index) : NameStyle::None;
}

QStringList nameStyleTexts()
{
    return {Texts[0], Texts[1], Texts[2]};
}

QStringList nameStyleNarrowTexts()
{
    return {QStringLiteral("1行印刷"), QStringLiteral("2行印刷"), Texts[2]};
}

} // namespace app
