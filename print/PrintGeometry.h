// Where the page printers put things, in twips. Millimetre terms are
// multiplied by 56.7 (the figure the print offsets were calibrated with) and
// each coordinate is rounded once, halves to even, after the whole sum.
#pragma once

#include <cstdint>

namespace noshi {

constexpr double TwipsPerMm = 56.7;

// Whole twips of a millimetre value.
int Twips(double mm);

// The paper code of the smallest standard sheet for a long side in
// millimetres (sheet's long side + 10 mm), 0 for a negative side: keep the paper.
int SheetByLongSide(int longSideMm);

// Placement inputs in millimetres (page sizes in twips).
struct PlacementInput {
    int PaperWidth = 0;
    int PaperHeight = 0;
    int LayoutWidth = 0;
    int PrOffsetX = 0;
    int PrOffsetY = 0;
    bool Option4 = false;
    bool Option5 = false;
    bool Option6 = false;
    bool Option9 = false;
};

// Landscape page of W x H twips; the noshi lies against the right edge and
// the bottom edge (or centred on the height with Option9).
int LandscapeBoxLeft(const PlacementInput& in, int W);
int LandscapeOmoteTop(const PlacementInput& in, int H);
int LandscapeNameTop(const PlacementInput& in, int H);
// An extra band placed from the noshi's right edge inward (rightInsetMm) or,
// with fromLeft, from its left edge inward; its top insetMm above the bottom.
int LandscapeExtraLeft(const PlacementInput& in, int W, double insetMm, bool fromLeft);
int LandscapeExtraTop(const PlacementInput& in, int H, double aboveBottomMm);

// The bulk label in the noshi's bottom-right corner: its band 70 mm inside
// the noshi's right edge and 70 mm above its bottom, the box's picture
// (first column at its right) ending at the noshi's right edge. Kept inside
// the printable area, whose right and bottom edges are given in the same
// frame as the result: a box larger than the corner, or a print offset,
// would otherwise put its first columns off the paper.
int BulkLabelLeft(const PlacementInput& in, int W, double boxWidthMm, double printableRight);
int BulkLabelTop(const PlacementInput& in, int H, double boxHeightMm, double printableBottom);

// Portrait page with printable width P twips: the left edge of both boxes by
// the placement option, 0 when none is on; a box's top from its distance
// below the noshi's top.
int PortraitBoxLeft(const PlacementInput& in, double P);
int PortraitBoxTop(const PlacementInput& in, double distanceMm);

} // namespace noshi
