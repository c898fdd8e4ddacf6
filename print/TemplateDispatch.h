// The two rules that turn the current template key into code: the layout
// member that lays the page out, and the printer that prints it. Keys are
// compared as whole seven-character strings, the full-width filling included.
#pragma once

#include "print/PagePrinter.h"

#include <QString>
#include <functional>
#include <span>

namespace layout {
struct TemplateParameterSet;
}
namespace prn {
class Printer;
}

namespace noshi {

class PagePrintHost;

struct DispatchEntry {
    const char* member; // "LayoutNoshiLarge" ...
    QString key;        // seven characters
};

// All 80 keys with their member, in table order.
std::span<const DispatchEntry> TemplateDispatchTable();

// The member name for a key; empty when the key has no entry.
QString TemplateMemberName(const QString& key);

struct DispatchTarget {
    enum class Status {
        Ready,       // member holds the parameter set to run
        NoEntry,     // the key names no layout
        NotBuiltYet, // the key's member is not part of this build
    };
    Status status = Status::NoEntry;
    QString memberName;
    const layout::TemplateParameterSet* member = nullptr;
    // For the two failures: what the user is told.
    QString message() const;
};

// The layout member for the key.
DispatchTarget TemplateDispatch(const QString& key);

// While it lives, the key dispatches to the named member instead of its own:
// tests and the trace tool use it to lay a key out with a member this build
// lacks, where the user meets the "not yet" message.
class ScopedDispatchOverride {
public:
    ScopedDispatchOverride(const QString& key, const QString& member);
    ~ScopedDispatchOverride();
    ScopedDispatchOverride(const ScopedDispatchOverride&) = delete;
    ScopedDispatchOverride& operator=(const ScopedDispatchOverride&) = delete;

private:
    QString key_;
};

// The printer choice; the first row that holds decides.
enum class PrinterChoice { TanzakuSheet5, TanzakuSheet6, TanzakuSheet3, Meishi, Tanzaku, Landscape, Portrait };
PrinterChoice ChoosePrinter(const QString& key, int paperWidth, int paperHeight);
bool isTanzakuSheet(PrinterChoice c);

// The B5 strip-sheet printers are windows of their own: the entry shows the
// sheet's printer modally with the copies text in its copies box and
// returns when it is closed. Empty until that printer is part of the build.
using TanzakuSheetPrinter = std::function<void(PrinterChoice sheet, const QString& copiesText)>;
TanzakuSheetPrinter& tanzakuSheetPrinter();

struct PrintPageOutcome {
    PrinterChoice choice = PrinterChoice::Portrait;
    PagePrintResult page;  // rows 4 to 7
    bool sheetPrinterShown = false;
    QString error;         // a sheet printer that is not available; the user has been told
};

// Prints the preview's boxes by the printer choice. `beforeSheet` runs
// before a sheet printer is shown (the caller hides its progress and pointer).
PrintPageOutcome PrintNoshiPage(PagePrintHost& host, prn::Printer& printer,
                                const std::function<void()>& beforeSheet = {});

} // namespace noshi
