// Printing the postcard page: the card placed on the sheet by its layout,
// once per copy, one band a copy.
#pragma once

#include <QString>
#include <optional>

namespace prn {
class Printer;
}
namespace rt {
class RichTextBox;
}

namespace editors {

// What the print reads of the main window.
struct PostcardPrintOptions {
    bool notifySize = false; // "プリンタへ用紙（のし紙）サイズを通知"
    bool centreAll = false;  // "すべての用紙を中央"
    int prOffsetX = 0;       // global print offsets, mm
    int prOffsetY = 0;
};

// Prints the page `copies` times for the layout named by its list text, each
// copy one sheet; the printer keeps the paper and orientation set here. A
// page with a character no installed font has is refused (the user is told)
// before the printer is touched. A job the print system does not take is
// reported to the user; the reason is returned, empty when all went well.
QString printPostcard(prn::Printer& printer, const rt::RichTextBox& page, const QString& layoutText,
                      const PostcardPrintOptions& options, int copies);

} // namespace editors
