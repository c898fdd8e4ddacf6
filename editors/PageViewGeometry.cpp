#include "editors/PageViewGeometry.h"

#include "platform/vb/VbNum.h"

#include <cmath>

namespace editors {

namespace {

preview::ScrollRange rangeFor(double max)
{
    preview::ScrollRange r;
    // A page smaller than the view does not scroll.
    r.max = std::max(0, int(vb::RoundHalfEven(max)));
    const int step = r.max / 10;
    if (step >= 1)
        r.step = step;
    return r;
}

} // namespace

PageViewGeometry layOutPageView(const PageViewInput& in)
{
    PageViewGeometry g;
    const double T = vb::RoundHalfEven(in.toolbarsHeight + 0.5);
    g.work = QRectF(1, T, in.innerWidth - 2, in.innerHeight - (T + StatusBarMm));
    // Integer division: the difference is rounded first, the quotient truncated.
    const int centred = int(std::trunc(vb::RoundHalfEven(g.work.width() - in.pageWidth) / 2));
    g.frame = QRectF(centred - PageInFrameMm, FrameTopMm, in.pageWidth + 2 * PageInFrameMm,
                     in.pageHeight + 2 * PageInFrameMm);
    g.rulerLeft = centred;

    g.vBar = QRectF(g.work.width() - in.vBarWidth + 1, g.work.top() + 0.5, in.vBarWidth,
                    g.work.height() - in.hBarHeight - 1);
    g.hBar = QRectF(g.work.left() + 0.5, g.work.top() + g.work.height() - in.hBarHeight - 0.5,
                    g.work.width() - in.vBarWidth - 0.5, in.hBarHeight);
    g.bottomRulerTop = g.work.height() - in.hBarHeight - in.bottomRulerHeight;

    g.vRange = rangeFor(in.paperHeight + 20 - g.vBar.height());
    g.hRange = rangeFor(in.paperWidth + 20 - g.hBar.width());

    if (in.keepScrolledWhenWide && g.frame.width() > g.work.width()) {
        g.frame.moveLeft(frameLeftFor(in.hValue));
        g.rulerLeft = rulerLeftFor(in.hValue);
    }
    return g;
}

} // namespace editors
