// Where the editor's page canvas, its two page boxes, the centre marks and
// the scroll bars go, in millimetres of the window's inner area. Pure
// arithmetic, so that the window and the tests share one truth.
#pragma once

#include <QRectF>
#include <optional>

namespace preview {

struct CanvasInput {
    double innerWidth = 0;      // the window's inner area below the menu bar
    double innerHeight = 0;
    double toolbarsHeight = 0;  // both tool strips together
    double boxWidth = 0;        // the page boxes' width
    double omoteHeight = 0;     // inscription box
    double nameHeight = 0;      // name box
    double omoteTop = 0;        // the inscription box's top inside the canvas
    double vBarWidth = 0;
    double hBarHeight = 0;
    double bottomMarkHeight = 0;
    int paperHeight = 0;        // the page in millimetres
    int layoutWidth = 0;
};

// A scroll bar's range from 0 to max; step empty when the computed step is
// below 1 (the bar then keeps the steps it had).
struct ScrollRange {
    int max = 0;
    std::optional<int> step;
};

struct CanvasGeometry {
    QRectF canvas;          // in the inner area
    double boxLeft = 0;     // page boxes and marks, inside the canvas
    QRectF vBar;            // in the inner area
    QRectF hBar;
    double bottomMarkTop = 0;     // inside the canvas
    double belowNameMarkTop = 0;
    ScrollRange vRange;
    ScrollRange hRange;
};

// The canvas laid out for the window's present size.
CanvasGeometry layOutCanvas(const CanvasInput& in);

// What both editors lay out alike: the working area between the tool
// strips and the status bar, with the scroll bars inside its right and
// bottom edges.
struct WorkArea {
    QRectF area; // in the inner area
    QRectF vBar;
    QRectF hBar;
};
WorkArea layOutWorkArea(double innerWidth, double innerHeight, double toolbarsHeight, double vBarWidth,
                        double hBarHeight);
// A bar's range up to max, a tenth of it a step.
ScrollRange scrollRangeOf(int max);

// The status bar along the bottom of both editors.
constexpr double StatusBarMm = 7;

// Scrolled positions inside the canvas.
constexpr double OmoteTopAtZero = 4.233;
inline double omoteTopFor(int vValue) { return OmoteTopAtZero - vValue; }
inline double boxLeftFor(int hValue) { return 4.0 - hValue; }
// The name box sits half a millimetre below the inscription box; the lower
// mark just below both.
inline double nameTopFor(double omoteTop, double omoteHeight) { return omoteTop + omoteHeight + 0.5; }
inline double belowNameMarkTopFor(double omoteTop, double omoteHeight, double nameHeight)
{
    return omoteTop + omoteHeight + nameHeight + 0.5;
}

} // namespace preview
