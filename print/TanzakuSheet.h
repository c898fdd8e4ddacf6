// Printing one laid-out page on every strip of a B5 tanzaku sheet: the
// inscription box as each strip's upper part, the name box as its lower
// part, one sheet per copy. The three sheets differ only in their constant
// set (strip count, orientation, strip edges, part tops).
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace prn {
class Printer;
}
namespace rt {
class RichTextBox;
}

namespace noshi {

struct TanzakuSheetLayout {
    QString key;                    // the template key that prints on this sheet
    int strips = 0;
    int orientation = 1;            // 1 upright, 2 on its side
    int sheetWidthMm = 0;           // as the sheet lies in the printer
    int sheetHeightMm = 0;
    std::vector<double> stripLeftMm;
    double upperTopMm = 0;          // inscription box
    double lowerTopMm = 0;          // name box
    bool ownAdjustment = false;     // its own offsets instead of PrOffsetX/PrOffsetY
    bool rightEdgeIsPageHeight = false;
};

const TanzakuSheetLayout& Tanzaku3Layout();
const TanzakuSheetLayout& Tanzaku5Layout();
const TanzakuSheetLayout& Tanzaku6Layout();
// The message for strip numbers outside 1..strips.
QString StripRangeMessage(const TanzakuSheetLayout& l);
// The sheet for a template key; nullptr when the key prints on no strip sheet.
const TanzakuSheetLayout* TanzakuLayoutForKey(const QString& key);

struct TanzakuPrintRequest {
    int firstStrip = 1;             // 1..strips
    int lastStrip = 1;
    int copies = 1;
    // Millimetres across and down; nullopt when the text was no number: that
    // axis then keeps the strip's nominal place.
    std::optional<double> adjustX;
    std::optional<double> adjustY;
    bool userSize = false;          // NoshiMain.Check3: declare 182 x 257 mm
};

struct TanzakuPrintResult {
    int printCopyNo = 1;            // copies + 1 after the loop
    QString error;                  // the job could not be opened
};

// Where a strip's part goes, in twips on the sheet as the printer has it
// (before the physical offsets): the strip's edge plus the adjustment and
// the alignment of the sheet to the right and bottom of the physical page.
int TanzakuStripLeft(const TanzakuSheetLayout& l, int strip, std::optional<double> adjustX, int physWidthTwips);
int TanzakuPartTop(const TanzakuSheetLayout& l, bool lower, std::optional<double> adjustY, int physHeightTwips);

// Prints the sheet; progress(copy) runs before each copy. A range of strips
// outside the sheet prints nothing and is reported in the result's error.
TanzakuPrintResult PrintTanzakuSheet(const TanzakuSheetLayout& layout, const TanzakuPrintRequest& request,
                                     const rt::RichTextBox& upper, const rt::RichTextBox& lower,
                                     prn::Printer& printer, const std::function<void(int)>& progress = {});

} // namespace noshi
