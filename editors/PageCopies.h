// Printing an editor's page: the number of copies typed in its copies box,
// and the page drawn once per copy into one band of the current page.
#pragma once

#include "platform/print/PrinterBackend.h"

#include <QString>
#include <functional>
#include <optional>

namespace prn {
class Printer;
}
namespace rt {
class RichTextBox;
}

namespace editors {

inline constexpr int MaxCopies = 1000;
inline const QString CopiesCheckTitle = QStringLiteral("印刷部数の確認");
inline const QString CopiesCheckMessage = QStringLiteral("印刷部数には１から１０００までの整数を入力してください。");

// An editor's copies box as a number of copies: an empty box is one copy; a
// whole number from 1 to 1000 (half- or full-width digits, blanks around it
// allowed) is itself; anything else is no count at all.
std::optional<int> CopiesOf(const QString& text);

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
