#include "preview/CanvasGeometry.h"

#include "platform/vb/VbNum.h"

namespace preview {

namespace {

int whole(double v) { return int(vb::RoundHalfEven(v)); }

} // namespace

ScrollRange scrollRangeOf(int max)
{
    ScrollRange r;
    r.max = max;
    const int step = max / 10; // truncates toward zero
    if (step >= 1)
        r.step = step;
    return r;
}

WorkArea layOutWorkArea(double innerWidth, double innerHeight, double toolbarsHeight, double vBarWidth,
                        double hBarHeight)
{
    WorkArea w;
    const double top = whole(toolbarsHeight + 0.5);
    w.area = QRectF(1, top, innerWidth - 2, innerHeight - (top + StatusBarMm));
    w.vBar = QRectF(w.area.width() - vBarWidth + 1, w.area.top() + 0.5, vBarWidth, w.area.height() - hBarHeight - 1);
    w.hBar = QRectF(w.area.left() + 0.5, w.area.top() + w.area.height() - hBarHeight - 0.5,
                    w.area.width() - vBarWidth - 0.5, hBarHeight);
    return w;
}

CanvasGeometry layOutCanvas(const CanvasInput& in)
{
    CanvasGeometry g;
    const WorkArea w = layOutWorkArea(in.innerWidth, in.innerHeight, in.toolbarsHeight, in.vBarWidth, in.hBarHeight);
    g.canvas = w.area;
    g.vBar = w.vBar;
    g.hBar = w.hBar;
    // Centred in whole millimetres, then pulled left by the bar's width.
    g.boxLeft = whole(g.canvas.width() - in.boxWidth) / 2 - in.vBarWidth + 1;

    g.bottomMarkTop = g.canvas.height() - in.hBarHeight - in.bottomMarkHeight;
    g.belowNameMarkTop = belowNameMarkTopFor(in.omoteTop, in.omoteHeight, in.nameHeight);

    // A page shorter than the bar keeps a negative vertical maximum; the
    // horizontal one never goes below 0.
    g.vRange = scrollRangeOf(whole(in.paperHeight + 10 - g.vBar.height()));
    g.hRange = scrollRangeOf(whole(in.layoutWidth - g.hBar.width()));
    if (g.hRange.max < 0)
        g.hRange.max = 0;
    return g;
}

} // namespace preview
