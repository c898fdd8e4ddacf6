// One band: a whole rich-text box drawn onto the current page into a
// rectangle whose left and top edges are the text block's place on the
// page less the printer's physical offsets.
#pragma once

#include "platform/print/PrinterBackend.h"

namespace prn {
class Printer;
}
namespace rt {
class RichTextBox;
}

namespace noshi {

// What a page printer fixes once per print for all its bands: the physical
// offsets to take off the left and top edges (crosswise on a landscape
// page), the band's right and bottom edges and the page rectangle.
struct BandFrame {
    int offLeft = 0;
    int offTop = 0;
    int right = 0;
    int bottom = 0;
    prn::TwipRect page;
};

// X and Y: the left and top edges of the box's text block on the page, in twips.
void BandPrint(prn::Printer& printer, const rt::RichTextBox& box, int X, int Y, const BandFrame& frame);

} // namespace noshi
