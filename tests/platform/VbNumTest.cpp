#include "platform/vb/VbNum.h"

#include <gtest/gtest.h>

TEST(VbNum, RoundsHalvesToEven)
{
    const struct { double in; int out; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {0.49999, 0}, {60.94, 61}, {32767.4, 32767},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::CInt(c.in), c.out) << c.in;
}

TEST(VbNum, SixteenBitOverflowIsAnError)
{
    EXPECT_THROW(vb::CInt(32767.5), vb::OverflowError); // rounds to 32768
    EXPECT_THROW(vb::CInt(-32769), vb::OverflowError);
    vb::Int16 f(32767);
    EXPECT_THROW(f += 1, vb::OverflowError);
    EXPECT_EQ(f.value(), 32767); // a failed assignment leaves the field as it was
}

TEST(VbNum, NumericText)
{
    EXPECT_TRUE(vb::IsNumeric("101"));
    EXPECT_TRUE(vb::IsNumeric(" 100.5 "));
    EXPECT_TRUE(vb::IsNumeric(QStringLiteral("１２")));
    EXPECT_FALSE(vb::IsNumeric("abc"));
    EXPECT_FALSE(vb::IsNumeric(""));
    EXPECT_FALSE(vb::IsNumeric("1.2.3"));
    EXPECT_DOUBLE_EQ(vb::Val("12abc"), 12.0);
    EXPECT_EQ(vb::TrimHalf(QStringLiteral(" 　a　 ")), QStringLiteral("　a　"));
    EXPECT_EQ(vb::TrimBoth(QStringLiteral(" 　a　 ")), QStringLiteral("a"));
}

TEST(VbNum, TextConversionsReportFailures)
{
    EXPECT_EQ(vb::CInt(QStringLiteral("2.5")), 2);
    EXPECT_EQ(vb::CInt(QStringLiteral("3.5")), 4);
    EXPECT_EQ(vb::CInt(QStringLiteral(" -7 ")), -7);
    EXPECT_THROW(vb::CInt(QStringLiteral("")), vb::TypeMismatchError);
    EXPECT_THROW(vb::CInt(QStringLiteral("7mm")), vb::TypeMismatchError);
    EXPECT_THROW(vb::CInt(QStringLiteral("32768")), vb::OverflowError);
    EXPECT_EQ(vb::CLng(QStringLiteral("12632256")), 12632256);

    EXPECT_TRUE(vb::CBool(QStringLiteral("True")));
    EXPECT_FALSE(vb::CBool(QStringLiteral("false")));
    EXPECT_TRUE(vb::CBool(QStringLiteral("-1")));
    EXPECT_FALSE(vb::CBool(QStringLiteral("0")));
    EXPECT_THROW(vb::CBool(QStringLiteral("yes")), vb::TypeMismatchError);
}

TEST(VbNum, TextFormsRoundTrip)
{
    EXPECT_EQ(vb::BoolText(true), QStringLiteral("True"));
    EXPECT_EQ(vb::BoolText(false), QStringLiteral("False"));
    const struct { double v; const char* text; } cases[] = {
        {0, "0"}, {-0.0, "0"}, {-7, "-7"}, {1.5, "1.5"}, {12632256, "12632256"}, {1234.25, "1234.25"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vb::NumberText(c.v), QString::fromLatin1(c.text));
        EXPECT_DOUBLE_EQ(vb::CDbl(vb::NumberText(c.v)), c.v);
    }
}

TEST(VbNum, ValReadsTheLeadingNumber)
{
    const struct { const char* in; double out; } cases[] = {
        {"  1 2 3", 123}, {"-4.5cm", -4.5}, {"1e3", 1000}, {"2e", 2}, {"abc", 0}, {"", 0}, {".5", 0.5}, {"1.2.3", 1.2},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(vb::Val(QString::fromLatin1(c.in)), c.out) << c.in;
}

TEST(VbNum, SixteenBitArithmetic)
{
    vb::Int16 f(-7);
    f /= 2;
    EXPECT_EQ(f.value(), -3); // truncates toward zero
    EXPECT_THROW(f /= 0, vb::OverflowError);
    vb::Int16 g(200);
    EXPECT_THROW(g *= 200, vb::OverflowError);
    EXPECT_EQ(g.value(), 200);
    vb::Int16 h(-32768);
    EXPECT_THROW(h /= -1, vb::OverflowError);
    // Sums computed as int are checked when they land in a field.
    const vb::Int16 a(30000), b(30000);
    EXPECT_THROW(h = a + b, vb::OverflowError);
    EXPECT_THROW(h = 40000, vb::OverflowError);
    EXPECT_EQ(h.value(), -32768);
}

TEST(VbNum, TrimVariantsAndColours)
{
    const QString s = QStringLiteral("　 a 　");
    EXPECT_EQ(vb::LTrimBoth(s), QStringLiteral("a 　"));
    EXPECT_EQ(vb::RTrimBoth(s), QStringLiteral("　 a"));
    EXPECT_EQ(vb::RTrimHalf(QStringLiteral("a　 ")), QStringLiteral("a　"));

    const uint32_t grey = 12632256; // &H00C0C0C0
    EXPECT_EQ(vb::Red(grey), 0xC0);
    const uint32_t orange = vb::Rgb(255, 128, 0);
    EXPECT_EQ(orange, 0x000080FFu);
    EXPECT_EQ(vb::ToQColor(orange), QColor(255, 128, 0));
    EXPECT_EQ(vb::FromQColor(QColor(255, 128, 0)), orange);
}
