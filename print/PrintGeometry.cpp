#include "print/PrintGeometry.h"

#include "platform/print/PaperCodes.h"
#include "platform/vb/VbNum.h"

#include <algorithm>

namespace noshi {

int Twips(double mm) { return vb::CLng(mm * TwipsPerMm); }

int SheetByLongSide(int L)
{
    if (L < 0)
        return 0;
    if (L <= 220)
        return prn::DMPAPER_A5;
    if (L <= 267)
        return prn::DMPAPER_B5;
    if (L <= 307)
        return prn::DMPAPER_A4;
    if (L <= 374)
        return prn::DMPAPER_B4;
    return prn::DMPAPER_A3;
}

// The sums below keep the order of their terms: with halves rounding to
// even, a different order could move a coordinate by one twip.

int LandscapeBoxLeft(const PlacementInput& in, int W)
{
    return vb::CLng(in.PrOffsetX * TwipsPerMm + (in.PaperWidth - in.LayoutWidth) / 2.0 * TwipsPerMm + W
                    - in.PaperWidth * TwipsPerMm);
}

int LandscapeOmoteTop(const PlacementInput& in, int H)
{
    if (in.Option9)
        return vb::CLng((H - in.PaperHeight * TwipsPerMm) / 2.0 + in.PrOffsetY * TwipsPerMm);
    return vb::CLng(in.PrOffsetY * TwipsPerMm + H - in.PaperHeight * TwipsPerMm);
}

int LandscapeNameTop(const PlacementInput& in, int H)
{
    if (in.Option9)
        return vb::CLng((H - in.PaperHeight * TwipsPerMm) / 2.0 + (in.PrOffsetY + in.PaperHeight / 2.0) * TwipsPerMm);
    return vb::CLng(in.PrOffsetY * TwipsPerMm + in.PaperHeight / 2.0 * TwipsPerMm + H - in.PaperHeight * TwipsPerMm);
}

int LandscapeExtraLeft(const PlacementInput& in, int W, double insetMm, bool fromLeft)
{
    if (fromLeft)
        return vb::CLng(in.PrOffsetX * TwipsPerMm + W - in.PaperWidth * TwipsPerMm + insetMm * TwipsPerMm);
    return vb::CLng(in.PrOffsetX * TwipsPerMm + W - insetMm * TwipsPerMm);
}

int LandscapeExtraTop(const PlacementInput& in, int H, double aboveBottomMm)
{
    const double top = in.PrOffsetY * TwipsPerMm + H - aboveBottomMm * TwipsPerMm;
    if (in.Option9)
        return vb::CLng(top - (H - in.PaperHeight * TwipsPerMm) / 2.0);
    return vb::CLng(top);
}

int BulkLabelLeft(const PlacementInput& in, int W, double boxWidthMm, double printableRight)
{
    const double noshiRight = in.PrOffsetX * TwipsPerMm + W; // the band's left edge + 70 mm
    return vb::CLng(std::min(noshiRight, printableRight) - boxWidthMm * TwipsPerMm);
}

int BulkLabelTop(const PlacementInput& in, int H, double boxHeightMm, double printableBottom)
{
    double top = in.PrOffsetY * TwipsPerMm + H - 70 * TwipsPerMm;
    if (in.Option9)
        top -= (H - in.PaperHeight * TwipsPerMm) / 2.0;
    return vb::CLng(std::min(top, printableBottom - boxHeightMm * TwipsPerMm));
}

int PortraitBoxLeft(const PlacementInput& in, double P)
{
    const double offX = in.PrOffsetX * TwipsPerMm;
    if (in.Option6)
        return vb::CLng(P - 100 * TwipsPerMm + offX);
    if (in.Option5)
        return vb::CLng(P - in.PaperWidth * TwipsPerMm + (in.PaperWidth - in.LayoutWidth) / 2.0 * TwipsPerMm + offX);
    if (in.Option4 || in.Option9)
        return vb::CLng((P - in.PaperWidth * TwipsPerMm + (in.PaperWidth - in.LayoutWidth) * TwipsPerMm) / 2.0 + offX);
    return 0;
}

int PortraitBoxTop(const PlacementInput& in, double distanceMm)
{
    return vb::CLng((in.PrOffsetY + distanceMm) * TwipsPerMm);
}

} // namespace noshi
