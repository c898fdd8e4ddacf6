// Printing an editor's page: the number of copies typed in its copies box,
// and the page drawn once per copy into one band of the current page.
#pragma once

#include "platform/print/PrinterBackend.h"

#include <QString>
#include <functional>

namespace prn {
class Printer;
}
namespace rt {
class RichTextBox;
}

namespace editors {

// The copies typed in an editor's copies box, rounded halves to even; 0 when
// the text is not a number in the 16-bit range.
int CopiesOf(const QString& text);

// Where a page goes once the printer is set up for it: the band `rc`
// (twips, relative to the printable area) and the page rectangle.
struct PagePlacement {
    prn::TwipRect rc;
    prn::TwipRect pageRect;
};

// Checks the page, then lets `setUp` give the printer its paper and
// orientation and say where the page goes, then draws the whole page there
// once per copy, each on a page of its own, ends the job and frees what the
// printer cached for the page. A character that no installed font has is
// named to the user first, and then neither prints nor touches the printer:
// its paper and orientation stay as they were. A job that cannot be opened
// or handed over is reported to the user; its reason is returned, empty
// when all went well.
QString PrintPageCopies(prn::Printer& printer, const rt::RichTextBox& page,
                        const std::function<PagePlacement()>& setUp, int copies);

} // namespace editors
