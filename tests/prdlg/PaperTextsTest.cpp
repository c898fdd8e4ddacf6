// The paper panel's texts: code names, paper sources, orientations, the
// description of the current paper and the physical size in millimetres.
#include "print/PaperTexts.h"

#include <gtest/gtest.h>

using namespace noshi;

TEST(PaperTexts, CodeNames)
{
    const std::pair<int, const char*> cases[] = {
        {1, "LETTER"}, {9, "A4"}, {13, "B5"}, {43, "JAPANESE_POSTCARD"}, {55, "A4_TRANSVERSE"},
        {56, "UNKNOWN(56)"}, {57, "A_PLUS"}, {70, "A6"}, {88, "B6_JIS"}, {118, "PENV_10_ROTATED"},
        {0, "UNKNOWN(0)"}, {119, "UNKNOWN(119)"}, {200, "UNKNOWN(200)"}, {255, "UNKNOWN(255)"},
        {256, "USER(256)"}, {300, "USER(300)"}, {40000, "UNKNOWN(-25536)"}, {65535, "UNKNOWN(-1)"}};
    for (const auto& [code, text] : cases)
        EXPECT_EQ(PaperCodeNames(int16_t(uint16_t(code))), QString::fromLatin1(text)) << code;
}

TEST(PaperTexts, SourcesOrientationsAndCopies)
{
    EXPECT_EQ(PaperBinText(1), QStringLiteral("上段のトレーの用紙を使います。"));
    EXPECT_EQ(PaperBinText(7), QStringLiteral("現在の既定値のトレーの用紙を使います。"));
    EXPECT_EQ(PaperBinText(14), QStringLiteral("カセットカートリッジの用紙を使います。"));
    for (int none : {0, 12, 13, 15})
        EXPECT_TRUE(PaperBinText(none).isEmpty()) << none;
    EXPECT_EQ(OrientationText(1), QStringLiteral("用紙幅の狭い側を上にして印刷されます。"));
    EXPECT_EQ(OrientationText(2), QStringLiteral("用紙幅の広い側を上にして印刷されます｡"));
    EXPECT_TRUE(OrientationText(0).isEmpty());
    EXPECT_EQ(MaxCopiesText(-1), QStringLiteral("このプリンターの最大印刷部数は　-1枚です。"));
    EXPECT_EQ(MaxCopiesText(999), QStringLiteral("このプリンターの最大印刷部数は　999枚です。"));
}

TEST(PaperTexts, Descriptions)
{
    EXPECT_EQ(PaperDescription(9, 210, 297), QStringLiteral("A4、210 x 297 mm"));
    EXPECT_EQ(PaperDescription(13, 0, 0), QStringLiteral("B5、182 x 257 mm"));
    EXPECT_EQ(PaperDescription(41, 0, 0), QStringLiteral("ドイツ リーガル ファンフォールド、8 1/2 x 13 インチ"));
    // The width follows "H ", the height " × W ".
    EXPECT_EQ(PaperDescription(256, 100, 148), QStringLiteral("ユーザー定義サイズ  H 100 × W 148㎜"));
    EXPECT_EQ(PaperDescription(42, 250, 353), QStringLiteral("User Size  H 250 × W 353㎜"));
    EXPECT_EQ(PaperDescription(0, 1, 2), QStringLiteral("User Size  H 1 × W 2㎜"));
}

TEST(PaperTexts, PhysicalMillimetres)
{
    EXPECT_EQ(PhysicalMm(4960, 2.4), 210); // 209.947...
    EXPECT_EQ(PhysicalMm(7016, 2.4), 297); // 296.974...
    // 210.5 mm exactly: the half goes to the even neighbour.
    EXPECT_EQ(PhysicalMm(1, 210.5 * 56.7), 210);
    EXPECT_EQ(PhysicalMm(1, 211.5 * 56.7), 212);
}
