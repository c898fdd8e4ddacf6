#include "print/BandPrint.h"

#include "platform/print/Printer.h"

namespace noshi {

void BandPrint(prn::Printer& printer, const rt::RichTextBox& box, int X, int Y, const BandFrame& frame)
{
    const prn::TwipRect rc{X - frame.offLeft, Y - frame.offTop, frame.right, frame.bottom};
    printer.drawBand(box, rc, frame.page);
}

} // namespace noshi
