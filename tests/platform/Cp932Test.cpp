#include "platform/text/Cp932.h"

#include <gtest/gtest.h>
#include <map>

namespace {

QByteArray bytes(std::initializer_list<int> b)
{
    QByteArray out;
    for (int c : b)
        out.append(char(c));
    return out;
}

} // namespace

TEST(Cp932, RoundTripsJapaneseAndExtensionCharacters)
{
    // Full-width blank, NEC row 13 (①, ㈱) and an IBM extension kanji (髙).
    const QString text = QStringLiteral("御中元　山田太郎 ① ㈱ 髙橋 ｶﾅ ～ \\");
    cp932::Error err;
    const QByteArray enc = cp932::encode(text, &err);
    ASSERT_FALSE(err.failed) << err.message.toStdString();
    EXPECT_TRUE(enc.contains(bytes({0x81, 0x40})));   // U+3000
    EXPECT_TRUE(enc.contains(bytes({0x87, 0x40})));   // ①
    EXPECT_TRUE(enc.contains(bytes({0x87, 0x8A})));   // ㈱
    EXPECT_TRUE(enc.contains(bytes({0xFB, 0xFC})));   // 髙
    EXPECT_EQ(cp932::decode(enc, &err), text);
    EXPECT_FALSE(err.failed);
}

TEST(Cp932, BadBytesAreReportedWithTheirPosition)
{
    cp932::Error err;
    // 0x81 0x20 is no character; the lead byte sits at offset 2.
    EXPECT_TRUE(cp932::decode(QByteArray("ab") + bytes({0x81, 0x20}), &err).isEmpty());
    EXPECT_TRUE(err.failed);
    EXPECT_EQ(err.position, 2);
    EXPECT_FALSE(err.message.isEmpty());

    // A lead byte cut off at the end of the data.
    cp932::decode(QByteArray("abc") + bytes({0x93}), &err);
    EXPECT_TRUE(err.failed);
    EXPECT_EQ(err.position, 3);

    // A later good conversion clears the error.
    cp932::decode("ok", &err);
    EXPECT_FALSE(err.failed);
}

TEST(Cp932, UnencodableCharactersAreErrorsNotLosses)
{
    cp932::Error err;
    const QString text = QStringLiteral("のし") + QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("紙");
    EXPECT_TRUE(cp932::encode(text, &err).isEmpty());
    EXPECT_TRUE(err.failed);
    EXPECT_EQ(err.position, 2);
    EXPECT_TRUE(err.message.contains(QStringLiteral("1F600"))) << err.message.toStdString();

    // The JIS forms that input methods type are written as the code page's forms.
    const QByteArray wave = cp932::encode(QStringLiteral("〜−"), &err);
    EXPECT_FALSE(err.failed);
    EXPECT_EQ(cp932::decode(wave), QStringLiteral("～－"));
}

TEST(Cp932, LinesEndWithCrLf)
{
    cp932::Error err;
    const QByteArray enc = cp932::encodeLines({QStringLiteral("５"), QString(), QStringLiteral("御祝")}, &err);
    ASSERT_FALSE(err.failed);
    EXPECT_EQ(enc, bytes({0x82, 0x54, '\r', '\n', '\r', '\n', 0x8C, 0xE4, 0x8F, 0x6A, '\r', '\n'}));
    EXPECT_EQ(cp932::decodeLines(enc), (QStringList{QStringLiteral("５"), QString(), QStringLiteral("御祝")}));

    // Mixed line ends and a last line without its end.
    EXPECT_EQ(cp932::decodeLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_TRUE(cp932::decodeLines("").isEmpty());

    // An unencodable character is located by line and column.
    cp932::encodeLines({QStringLiteral("ok"), QString::fromUtf8("x\xF0\x9F\x98\x80")}, &err);
    EXPECT_TRUE(err.failed);
    EXPECT_TRUE(err.message.contains(QStringLiteral("2行目の2文字目"))) << err.message.toStdString();
}

// The only characters written as others are the documented JIS forms; every
// other character is written as itself or refused, never replaced.
TEST(Cp932, NoCharacterIsSilentlyReplaced)
{
    const std::map<uint, uint> documented = {
        {0x301C, 0xFF5E}, {0x2016, 0x2225}, {0x2212, 0xFF0D}, {0x00A2, 0xFFE0},
        {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}, {0x2014, 0x2015},
    };
    int written = 0;
    const auto check = [&](uint cp) {
        const QString c = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
        cp932::Error err;
        const QByteArray b = cp932::encode(c, &err);
        if (err.failed) {
            EXPECT_TRUE(b.isEmpty());
            EXPECT_TRUE(err.message.contains(QStringLiteral("U+%1").arg(cp, 4, 16, QChar(u'0')).toUpper())) << cp;
            return;
        }
        ++written;
        const QString back = cp932::decode(b);
        const auto doc = documented.find(cp);
        const uint expected = doc == documented.end() ? cp : doc->second;
        EXPECT_EQ(back, QString::fromUcs4(reinterpret_cast<const char32_t*>(&expected), 1)) << std::hex << cp;
    };
    for (uint cp = 1; cp < 0x10000; ++cp)
        if (cp < 0xD800 || cp > 0xDFFF)
            check(cp);
    for (uint cp = 0x10000; cp < 0x110000; cp += 0x7F)
        check(cp);
    for (uint cp = 0xE0000; cp < 0xE0080; ++cp) // language tags, which the converter drops
        check(cp);
    // ASCII, half-width kana, JIS X 0208 and the NEC and IBM extensions.
    EXPECT_GT(written, 7000);
}

TEST(Cp932, LookalikesOutsideTheCodePageAreRefusedByName)
{
    struct Case {
        QString text;
        qsizetype position;
        QString named;
    } const cases[] = {
        {QStringLiteral("価格¥500"), 2, QStringLiteral("「¥」U+00A5")},
        {QStringLiteral("上‾線"), 1, QStringLiteral("「‾」U+203E")},
        {QStringLiteral("寿") + QString::fromUcs4(U"\U000E0001", 1), 1, QStringLiteral("U+E0001")},
    };
    for (const Case& c : cases) {
        cp932::Error err;
        EXPECT_TRUE(cp932::encode(c.text, &err).isEmpty());
        EXPECT_TRUE(err.failed);
        EXPECT_EQ(err.position, c.position);
        EXPECT_TRUE(err.message.contains(c.named)) << err.message.toStdString();
    }
    // Their code-page forms are fine: the full-width yen sign and the backslash.
    cp932::Error err;
    EXPECT_EQ(cp932::encode(QStringLiteral("￥\\—"), &err), bytes({0x81, 0x8F, 0x5C, 0x81, 0x5C}));
    EXPECT_FALSE(err.failed);
}
