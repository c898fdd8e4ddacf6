#include "editors/PageViewGeometry.h"

#include "platform/vb/VbNum.h"

#include <cmath>

namespace editors {

PageViewGeometry layOutPageView(const PageViewInput& in)
{
    PageViewGeometry g;
    const preview::WorkArea w =
        preview::layOutWorkArea(in.innerWidth, in.innerHeight, in.toolbarsHeight, in.vBarWidth, in.hBarHeight);
    g.work = w.area;
    g.vBar = w.vBar;
    g.hBar = w.hBar;
    // Integer division: the difference is rounded first, the quotient truncated.
    const int centred = int(std::trunc(vb::RoundHalfEven(g.work.width() - in.pageWidth) / 2));
    g.frame = QRectF(centred - PageInFrameMm, FrameTopMm, in.pageWidth + 2 * PageInFrameMm,
                     in.pageHeight + 2 * PageInFrameMm);
    g.rulerLeft = centred;

    g.bottomRulerTop = g.work.height() - in.hBarHeight - in.bottomRulerHeight;

    // A page smaller than the view does not scroll.
    g.vRange = preview::scrollRangeOf(std::max(0, int(vb::RoundHalfEven(in.paperHeight + 20 - g.vBar.height()))));
    g.hRange = preview::scrollRangeOf(std::max(0, int(vb::RoundHalfEven(in.paperWidth + 20 - g.hBar.width()))));

    if (in.keepScrolledWhenWide && g.frame.width() > g.work.width()) {
        g.frame.moveLeft(frameLeftFor(in.hValue));
        g.rulerLeft = rulerLeftFor(in.hValue);
    }
    return g;
}

} // namespace editors
