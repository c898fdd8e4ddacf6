#include "print/TanzakuSheet.h"

#include "model/TemplateKeys.h"
#include "platform/print/PaperCodes.h"
#include "platform/print/Printer.h"
#include "platform/vb/VbNum.h"
#include "print/BandPrint.h"
#include "print/PrintGeometry.h"

namespace noshi {

namespace {
constexpr int B5WidthMm = 182;
constexpr int B5HeightMm = 257;
} // namespace

const TanzakuSheetLayout& Tanzaku3Layout()
{
    static const TanzakuSheetLayout l{app::TemplateKey::TanzakuB5Three, 3, prn::vbPRORPortrait, B5WidthMm, B5HeightMm,
                                      {3, 64, 125}, 3, 131.5, true, true};
    return l;
}

const TanzakuSheetLayout& Tanzaku5Layout()
{
    static const TanzakuSheetLayout l{app::TemplateKey::TanzakuB5Five, 5, prn::vbPRORLandscape, B5HeightMm, B5WidthMm,
                                      {2, 52, 102, 152, 202}, 11, 91, false, false};
    return l;
}

const TanzakuSheetLayout& Tanzaku6Layout()
{
    static const TanzakuSheetLayout l{app::TemplateKey::TanzakuB5Six, 6, prn::vbPRORLandscape, B5HeightMm, B5WidthMm,
                                      {13, 52, 91, 130, 169, 208}, 11, 91, false, false};
    return l;
}

QString StripRangeMessage(const TanzakuSheetLayout& l)
{
    return QStringLiteral("短冊の番号は 1 から %1 までの数字で入力してください。").arg(l.strips);
}

const TanzakuSheetLayout* TanzakuLayoutForKey(const QString& key)
{
    for (const TanzakuSheetLayout* l : {&Tanzaku3Layout(), &Tanzaku5Layout(), &Tanzaku6Layout()})
        if (l->key == key)
            return l;
    return nullptr;
}

// The sheet lies against the right and bottom edges of the physical page;
// on a page of exactly the sheet's size the alignment terms cancel.
int TanzakuStripLeft(const TanzakuSheetLayout& l, int strip, std::optional<double> adjustX, int physWidthTwips)
{
    const int x = Twips(l.stripLeftMm.at(strip - 1));
    if (!adjustX)
        return x;
    return vb::CLng(x + *adjustX * TwipsPerMm + physWidthTwips - l.sheetWidthMm * TwipsPerMm);
}

int TanzakuPartTop(const TanzakuSheetLayout& l, bool lower, std::optional<double> adjustY, int physHeightTwips)
{
    const int y = Twips(lower ? l.lowerTopMm : l.upperTopMm);
    if (!adjustY)
        return y;
    return vb::CLng(y + *adjustY * TwipsPerMm + physHeightTwips - l.sheetHeightMm * TwipsPerMm);
}

TanzakuPrintResult PrintTanzakuSheet(const TanzakuSheetLayout& layout, const TanzakuPrintRequest& request,
                                     const rt::RichTextBox& upper, const rt::RichTextBox& lower,
                                     prn::Printer& printer, const std::function<void(int)>& progress)
{
    TanzakuPrintResult result;
    if (request.firstStrip <= request.lastStrip && (request.firstStrip < 1 || request.lastStrip > layout.strips)) {
        result.error = StripRangeMessage(layout);
        return result;
    }
    // These sheets always declare their paper, whatever the driver option says.
    if (request.userSize) {
        printer.setPaperSize(prn::DMPAPER_USER);
        printer.setUserSize(Twips(B5WidthMm), Twips(B5HeightMm));
    } else {
        printer.setPaperSize(prn::DMPAPER_B5);
    }
    printer.setOrientation(layout.orientation);
    printer.setScaleMode(prn::vbTwips);

    const int offX = vb::CLng(printer.ScaleX(printer.GetDeviceCaps(prn::PHYSICALOFFSETX), prn::vbPixels, prn::vbTwips));
    const int offY = vb::CLng(printer.ScaleY(printer.GetDeviceCaps(prn::PHYSICALOFFSETY), prn::vbPixels, prn::vbTwips));
    const int physW = vb::CLng(printer.GetDeviceCaps(prn::PHYSICALWIDTH) * printer.TwipsPerPixelX());
    const int physH = vb::CLng(printer.GetDeviceCaps(prn::PHYSICALHEIGHT) * printer.TwipsPerPixelY());
    const int W = printer.Width();
    const int H = printer.Height();
    // The physical offset across is added to the left edge, the one down
    // taken off the top, on either orientation.
    const BandFrame frame{-offX, offY, layout.rightEdgeIsPageHeight ? H : W, H, {0, 0, W, H}};

    const bool anyBand = request.firstStrip <= request.lastStrip;
    int copyNo = 1;
    for (; copyNo <= request.copies; ++copyNo) {
        if (progress)
            progress(copyNo);
        if (anyBand && !printer.BeginPage()) {
            result.error = printer.lastError();
            break;
        }
        for (const bool lowerPart : {false, true}) {
            const int y = TanzakuPartTop(layout, lowerPart, request.adjustY, physH);
            for (int strip = request.firstStrip; strip <= request.lastStrip; ++strip)
                BandPrint(printer, lowerPart ? lower : upper,
                          TanzakuStripLeft(layout, strip, request.adjustX, physW), y, frame);
        }
        printer.NewPage();
    }
    result.printCopyNo = copyNo;
    if (!printer.EndDoc() && result.error.isEmpty())
        result.error = printer.lastError();
    printer.releaseFormatCache(upper);
    printer.releaseFormatCache(lower);
    return result;
}

} // namespace noshi
