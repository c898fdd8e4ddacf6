// The four page printers: a laid-out noshi page (the preview's inscription
// and name boxes) put on the current printer once per copy. One procedure
// serves all four; a table gives each variant's paper rule, orientation and
// extras.
#pragma once

#include "print/BandPrint.h"

#include <QString>

namespace prn {
class Printer;
}

namespace noshi {

class PagePrintHost;
struct PagePrintSettings;

enum class PagePrinterVariant { Landscape, Meishi, Portrait, Tanzaku };

// What a print did: copies asked for and pages opened; an error text when the
// job could not be opened at all (the user has been told).
struct PagePrintResult {
    int copies = 0;
    int printCopyNo = 1; // the copy counter after the loop: copies + 1, or 1
    QString error;
};

// The number of copies: the main window's copies text in EditMode 0, the
// preview's in EditMode 1, rounded halves to even; 0 when it does not convert.
int CopyCount(const PagePrintSettings& s);

// Sets the printer up for a page of the variant: scale twips, the paper by
// the variant's rule and the settings' paper options, the orientation; then
// the band frame of the page as the printer now has it.
BandFrame PreparePage(prn::Printer& printer, PagePrinterVariant variant, const PagePrintSettings& s);

// A character that no installed font has would print as an empty box: the
// user is told which before anything goes to the printer. The message, empty
// when every character can be drawn.
QString ReportCharsNoFontHas(const QString& text);

PagePrintResult RunPagePrinter(PagePrinterVariant variant, PagePrintHost& host, prn::Printer& printer);

PagePrintResult PrintNoshiLandscape(PagePrintHost& host, prn::Printer& printer);
PagePrintResult PrintNoshiMeishi(PagePrintHost& host, prn::Printer& printer);
PagePrintResult PrintNoshiPortrait(PagePrintHost& host, prn::Printer& printer);
PagePrintResult PrintNoshiTanzaku(PagePrintHost& host, prn::Printer& printer);

// The same on the program's current printer.
PagePrintResult PrintNoshiLandscape(PagePrintHost& host);
PagePrintResult PrintNoshiMeishi(PagePrintHost& host);
PagePrintResult PrintNoshiPortrait(PagePrintHost& host);
PagePrintResult PrintNoshiTanzaku(PagePrintHost& host);

} // namespace noshi
