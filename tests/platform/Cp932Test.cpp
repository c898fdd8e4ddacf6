#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

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
