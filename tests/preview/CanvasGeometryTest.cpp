// Where the editor puts its canvas, page boxes, marks and scroll bars.
#include "preview/CanvasGeometry.h"

#include <gtest/gtest.h>

using preview::CanvasInput;
using preview::layOutCanvas;

namespace {

// A window whose canvas comes out 175 mm wide: inner width 177 (1 mm each side).
CanvasInput window177(int layoutWidth, int paperHeight)
{
    CanvasInput in;
    in.innerWidth = 177;
    in.innerHeight = 200;
    in.toolbarsHeight = 16.2; // canvas top 17
    in.boxWidth = layoutWidth;
    in.omoteHeight = paperHeight / 2;
    in.nameHeight = paperHeight / 2;
    in.omoteTop = preview::OmoteTopAtZero;
    in.vBarWidth = 4.5;
    in.hBarHeight = 4.5;
    in.bottomMarkHeight = 4;
    in.paperHeight = paperHeight;
    in.layoutWidth = layoutWidth;
    return in;
}

} // namespace

TEST(CanvasGeometry, CanvasBarsAndCentredBoxes)
{
    const preview::CanvasGeometry g = layOutCanvas(window177(105, 297));
    // Top: 16.2 + 0.5 = 16.7, rounded 17; height 200 - (17 + 7).
    EXPECT_EQ(g.canvas, QRectF(1, 17, 175, 176));
    // (175 - 105) \ 2 - 4.5 + 1
    EXPECT_DOUBLE_EQ(g.boxLeft, 31.5);
    // Vertical bar: left 175 - 4.5 + 1, top 17.5, height 176 - 4.5 - 1.
    EXPECT_EQ(g.vBar, QRectF(171.5, 17.5, 4.5, 170.5));
    // Horizontal bar: left 1.5, top 17 + 176 - 4.5 - 0.5, width 175 - 4.5 - 0.5.
    EXPECT_EQ(g.hBar, QRectF(1.5, 188, 170, 4.5));
    EXPECT_DOUBLE_EQ(g.bottomMarkTop, 176 - 4.5 - 4);
    // 4.233 + 148 + 148 + 0.5
    EXPECT_DOUBLE_EQ(g.belowNameMarkTop, 300.733);
    // Vertical maximum 297 + 10 - 170.5 = 136.5, rounded to even 136; steps 13.
    EXPECT_EQ(g.vRange.max, 136);
    EXPECT_EQ(g.vRange.step, 13);
}

TEST(CanvasGeometry, ScrollRangesAtTheirEdges)
{
    struct Case {
        int layoutWidth, paperHeight;
        int vMax;
        std::optional<int> vStep;
        int hMax;
        std::optional<int> hStep;
    };
    // Bar lengths: vertical 170.5, horizontal 170.
    const Case cases[] = {
        {105, 297, 136, 13, 0, std::nullopt},  // narrow page: no room to scroll across, maximum 0
        {210, 297, 136, 13, 40, 4},            // 210 - 170
        {180, 170, 10, 1, 10, 1},              // 170 + 10 - 170.5 = 9.5 -> 10; steps 1
        {175, 150, -10, std::nullopt, 5, std::nullopt}, // a short page keeps a negative vertical maximum
    };
    for (const Case& c : cases) {
        const preview::CanvasGeometry g = layOutCanvas(window177(c.layoutWidth, c.paperHeight));
        EXPECT_EQ(g.vRange.max, c.vMax) << c.layoutWidth << "x" << c.paperHeight;
        EXPECT_EQ(g.vRange.step, c.vStep) << c.layoutWidth << "x" << c.paperHeight;
        EXPECT_EQ(g.hRange.max, c.hMax) << c.layoutWidth << "x" << c.paperHeight;
        EXPECT_EQ(g.hRange.step, c.hStep) << c.layoutWidth << "x" << c.paperHeight;
    }
}

TEST(CanvasGeometry, ScrolledPlaces)
{
    EXPECT_DOUBLE_EQ(preview::omoteTopFor(0), 4.233);
    EXPECT_DOUBLE_EQ(preview::omoteTopFor(20), 4.233 - 20);
    EXPECT_DOUBLE_EQ(preview::boxLeftFor(0), 4);
    EXPECT_DOUBLE_EQ(preview::boxLeftFor(30), -26);
    EXPECT_DOUBLE_EQ(preview::nameTopFor(-15.767, 148), 132.733);
}
