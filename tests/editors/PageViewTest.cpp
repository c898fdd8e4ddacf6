// The page editors' view: the frame centred across the working area, the
// scroll ranges from the paper, the scrolled position kept for a wide page.
#include "editors/PageViewGeometry.h"

#include <gtest/gtest.h>

using namespace editors;

namespace {

PageViewInput input(double pageW, double pageH, double innerH = 250)
{
    PageViewInput in;
    in.innerWidth = 300;
    in.innerHeight = innerH;
    in.toolbarsHeight = 20; // 20.5 rounds to 20 (halves to even)
    in.pageWidth = pageW;
    in.pageHeight = pageH;
    in.vBarWidth = 4;
    in.hBarHeight = 4;
    in.bottomRulerHeight = 5;
    in.paperWidth = int(pageW);
    in.paperHeight = int(pageH);
    return in;
}

} // namespace

TEST(PageView, TallPageIsCentredWithItsFrame)
{
    const PageViewGeometry g = layOutPageView(input(120, 300));
    // Working area 298 x (250 - 27); (298 - 120) / 2 = 89 -> frame at 84, 2.
    EXPECT_EQ(g.work, QRectF(1, 20, 298, 223));
    EXPECT_EQ(g.frame, QRectF(84, 2, 130, 310));
    EXPECT_EQ(g.rulerLeft, 89);
    EXPECT_EQ(g.bottomRulerTop, 223 - 4 - 5);
    EXPECT_EQ(g.vBar, QRectF(298 - 4 + 1, 20.5, 4, 218));
    EXPECT_EQ(g.hBar, QRectF(1.5, 20 + 223 - 4 - 0.5, 293.5, 4));
    // 300 + 20 - 218 = 102, steps of 10; 120 + 20 - 293.5 < 0: no scrolling across.
    EXPECT_EQ(g.vRange.max, 102);
    EXPECT_EQ(g.vRange.step, 10);
    EXPECT_EQ(g.hRange.max, 0);
    EXPECT_EQ(g.hRange.step, std::nullopt);
}

TEST(PageView, WidePageKeepsItsScrolledPositionUnlessTheWindowSaysNot)
{
    PageViewInput in = input(400, 300);
    in.hValue = 30;
    PageViewGeometry g = layOutPageView(in);
    EXPECT_EQ(g.frame.left(), 4 - 30);
    EXPECT_EQ(g.rulerLeft, 9 - 30);
    EXPECT_EQ(g.hRange.max, 126); // 400 + 20 - 293.5 = 126.5, halves to even
    EXPECT_EQ(g.hRange.step, 12);
    in.keepScrolledWhenWide = false;
    g = layOutPageView(in);
    EXPECT_EQ(g.frame.left(), -51 - 5); // (298 - 400) / 2 = -51
}

TEST(PageView, ARangeUnderTenKeepsTheBarsSteps)
{
    // Working area 320 high, bar 315: 300 + 20 - 315 = 5.
    const PageViewGeometry g = layOutPageView(input(120, 300, 347));
    EXPECT_EQ(g.vRange.max, 5);
    EXPECT_EQ(g.vRange.step, std::nullopt);
}
