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
