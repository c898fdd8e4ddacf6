// Printing an editor's page: the number of copies typed in its copies box,
// and the page drawn once per copy into one band of the current page.
#pragma once

#include "platform/print/PrinterBackend.h"

#include <QString>

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

// Draws the whole page into rc (twips, relative to the printable area) once
// per copy, each on a page of its own, ends the job and frees what the
// printer cached for the page. A character that no installed font has is
// named to the user first, and nothing prints. A job that cannot be opened or handed over
// is reported to the user; its reason is returned, empty when all went well.
QString PrintPageCopies(prn::Printer& printer, const rt::RichTextBox& page, const prn::TwipRect& rc,
                        const prn::TwipRect& pageRect, int copies);

} // namespace editors
