// The company name printed at the edge of a landscape noshi: its rich-text
// file loaded into the main window's hidden company-name box.
#pragma once

namespace noshi {

class PagePrintHost;
struct PagePrintSettings;

// Fills the company-name box from the registered file of the sheet kind
// (祝のし / 仏のし) and adds 51 empty 16-point lines after it. Clears the
// status line first. A missing registration or an unreadable file is
// reported; the print goes on with what the box then holds.
void LoadCompanyName(PagePrintHost& host, const PagePrintSettings& s);

} // namespace noshi
