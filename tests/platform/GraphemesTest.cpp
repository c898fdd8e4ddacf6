// Characters as the user sees them: counting, splitting and cutting.
#include "platform/text/Graphemes.h"

#include <gtest/gtest.h>

namespace {

TEST(Graphemes, CountSplitAndCutFallBetweenWholeCharacters)
{
    struct Case {
        const char* label;
        QString text;
        QStringList chars; // expected, worked out by hand
    };
    const QString yoshi = QString::fromUcs4(U"𠮷");       // a surrogate pair
    const QString kuzu = QString::fromUcs4(U"葛\U000E0100"); // base with its variation selector
    const Case cases[] = {
        {"empty", QString(), {}},
        {"ideographs", QStringLiteral("山田"), {"山", "田"}},
        {"surrogate pair", yoshi + QStringLiteral("田"), {yoshi, "田"}},
        {"variation selector", kuzu + QStringLiteral("城"), {kuzu, "城"}},
        {"both", QStringLiteral("山") + yoshi + kuzu + QStringLiteral("郎"), {"山", yoshi, kuzu, "郎"}},
        {"standard selector", QString::fromUcs4(U"辻\uFE00"), {QString::fromUcs4(U"辻\uFE00")}},
        {"combining mark", QString::fromUcs4(U"e\u0301a"), {QString::fromUcs4(U"e\u0301"), "a"}},
        {"kana with a combining sound mark", QString::fromUcs4(U"か\u3099"), {QString::fromUcs4(U"か\u3099")}},
        {"half-width kana with its sound mark", QString::fromUcs4(U"\uFF76\uFF9E"), {QString::fromUcs4(U"\uFF76\uFF9E")}},
        {"blanks count", QStringLiteral("山 田　"), {"山", " ", "田", "　"}},
        {"line end", QStringLiteral("a\r\nb"), {"a", "\r\n", "b"}},
        {"lone surrogate", QString(QChar(0xD842)) + QStringLiteral("田"), {QString(QChar(0xD842)), "田"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::charCount(c.text), c.chars.size()) << c.label;
        EXPECT_EQ(text::chars(c.text), c.chars) << c.label;
        qsizetype at = 0;
        QList<qsizetype> starts;
        for (const QString& ch : c.chars) {
            starts.append(at);
            at += ch.size();
        }
        EXPECT_EQ(text::charStarts(c.text), starts) << c.label;
        for (qsizetype n = 0; n <= c.chars.size() + 1; ++n) {
            const qsizetype k = std::min(n, c.chars.size());
            EXPECT_EQ(text::leftChars(c.text, n), c.chars.mid(0, k).join(QString())) << c.label << " " << n;
            EXPECT_EQ(text::midChars(c.text, n), c.chars.mid(k).join(QString())) << c.label << " " << n;
        }
    }
}

} // namespace
