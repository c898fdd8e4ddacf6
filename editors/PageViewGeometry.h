// Where a page editor's working area, page frame, ruler boxes and scroll
// bars go, in millimetres of the window's inner area: the page at real size
// in a frame 5 mm larger on every side, centred across the working area
// under the tool strips. Pure arithmetic, so the window and the tests share
// one truth.
#pragma once

#include "preview/CanvasGeometry.h"

#include <QRectF>

namespace editors {

struct PageViewInput {
    double innerWidth = 0;     // the window's inner area below the menu bar
    double innerHeight = 0;
    double toolbarsHeight = 0; // the tool strips together
    double pageWidth = 0;      // the page box
    double pageHeight = 0;
    double vBarWidth = 0;
    double hBarHeight = 0;
    double bottomRulerHeight = 0;
    int paperWidth = 0;        // the scroll ranges' paper, millimetres
    int paperHeight = 0;
    int hValue = 0;            // the horizontal scroll position
    // A frame wider than the working area keeps the scrolled position
    // instead of being centred.
    bool keepScrolledWhenWide = true;
};

struct PageViewGeometry {
    QRectF work;           // Picture1, in the inner area
    QRectF frame;          // Picture2, inside the working area
    double rulerLeft = 0;  // both ruler boxes, inside the working area
    double bottomRulerTop = 0;
    QRectF vBar;           // in the inner area
    QRectF hBar;
    preview::ScrollRange vRange;
    preview::ScrollRange hRange;
};

constexpr double PageInFrameMm = 5;     // the page's place inside its frame
constexpr double FrameTopMm = 2;        // the frame's top after a layout
constexpr double FrameTopAtZero = 4.233; // the frame's top scrolled to 0
using preview::StatusBarMm;

PageViewGeometry layOutPageView(const PageViewInput& in);

// Scrolled positions inside the working area.
inline double frameLeftFor(int hValue) { return 4.0 - hValue; }
inline double rulerLeftFor(int hValue) { return 9.0 - hValue; }
inline double frameTopFor(int vValue) { return FrameTopAtZero - vValue; }

} // namespace editors
