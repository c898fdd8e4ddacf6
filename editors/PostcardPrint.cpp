#include "editors/PostcardPrint.h"

#include "editors/PageCopies.h"
#include "editors/PostcardLayout.h"
#include "platform/print/PaperCodes.h"
#include "platform/print/Printer.h"

#include <cmath>

namespace editors {

namespace {

// Gives the printer the card's paper and orientation; where the card then goes.
PagePlacement setUpCard(prn::Printer& printer, const PostcardLayout* layout, const PostcardPrintOptions& options)
{
    // The card's own paper and orientation every time, never what the last
    // print (a free-size A3 sheet in landscape, say) left on the printer.
    const bool returnCard = layout && layout->paperWidthTwips > PostcardPaperWidthTwips;
    if (options.notifySize) {
        printer.setPaperSize(prn::DMPAPER_USER);
        if (layout)
            printer.setUserSize(layout->paperWidthTwips, layout->paperHeightTwips);
        else
            printer.setUserSize(PostcardPaperWidthTwips, PostcardPaperHeightTwips);
    } else {
        printer.setPaperSize(returnCard ? prn::DMPAPER_DBL_JAPANESE_POSTCARD : prn::DMPAPER_JAPANESE_POSTCARD);
    }
    printer.setOrientation(layout ? layout->orientation : prn::vbPRORPortrait);
    printer.setScaleMode(prn::vbTwips);

    PostcardSheet sheet;
    sheet.ox = int(std::lround(printer.ScaleX(printer.GetDeviceCaps(prn::PHYSICALOFFSETX), prn::vbPixels, prn::vbTwips)));
    sheet.oy = int(std::lround(printer.ScaleY(printer.GetDeviceCaps(prn::PHYSICALOFFSETY), prn::vbPixels, prn::vbTwips)));
    sheet.prOffsetX = options.prOffsetX;
    sheet.prOffsetY = options.prOffsetY;
    sheet.centred = options.centreAll;

    // The sheet is set: its size no longer changes from copy to copy.
    sheet.W = printer.Width();
    sheet.H = printer.Height();
    const TwipPoint at = postcardPlacement(layout, sheet);
    return PagePlacement{prn::TwipRect{at.left, at.top, sheet.W, sheet.H}, prn::TwipRect{0, 0, sheet.W, sheet.H}};
}

} // namespace

QString printPostcard(prn::Printer& printer, const rt::RichTextBox& page, const QString& layoutText,
                      const PostcardPrintOptions& options, int copies)
{
    const PostcardLayout* layout = findPostcardLayout(layoutText);
    return PrintPageCopies(printer, page, [&] { return setUpCard(printer, layout, options); }, copies);
}

} // namespace editors
