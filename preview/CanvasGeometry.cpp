#include "preview/CanvasGeometry.h"

#include "platform/vb/VbNum.h"

namespace preview {

namespace {

int whole(double v) { return int(vb::RoundHalfEven(v)); }

ScrollRange rangeOf(int max)
{
    ScrollRange r;
    r.max = max;
    const int step = max / 10; // truncates toward zero
    if (step >= 1)
        r.step = step;
    return r;
}

} // namespace

CanvasGeometry layOutCanvas(const CanvasInput& in)
{
    CanvasGeometry g;
    const double top = whole(in.toolbarsHeight + 0.5);
    g.canvas = QRectF(1, top, in.innerWidth - 2, in.innerHeight - (top + StatusBarMm));
    // Centred in whole millimetres, then pulled left by the bar's width.
    g.boxLeft = whole(g.canvas.width() - in.boxWidth) / 2 - in.vBarWidth + 1;

    g.vBar = QRectF(g.canvas.width() - in.vBarWidth + 1, g.canvas.top() + 0.5, in.vBarWidth,
                    g.canvas.height() - in.hBarHeight - 1);
    g.hBar = QRectF(g.canvas.left() + 0.5, g.canvas.top() + g.canvas.height() - in.hBarHeight - 0.5,
                    g.canvas.width() - in.vBarWidth - 0.5, in.hBarHeight);
    g.bottomMarkTop = g.canvas.height() - in.hBarHeight - in.bottomMarkHeight;
    g.belowNameMarkTop = belowNameMarkTopFor(in.omoteTop, in.omoteHeight, in.nameHeight);

    // A page shorter than the bar keeps a negative vertical maximum; the
    // horizontal one never goes below 0.
    g.vRange = rangeOf(whole(in.paperHeight + 10 - g.vBar.height()));
    g.hRange = rangeOf(whole(in.layoutWidth - g.hBar.width()));
    if (g.hRange.max < 0)
        g.hRange.max = 0;
    return g;
}

} // namespace preview
