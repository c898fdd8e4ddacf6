// What one run of the program keeps about printing: its printers (the driver
// and the current printer), the printer the printer dialog last chose, the
// dialog's way to the main window's options, the entry to the strip-sheet
// printers and the test seam of the template dispatch. It stands beside the
// program context rather than in it, since the model below cannot hold print
// types. `runProgram` builds one and installs it; the test main installs a
// fresh one for every test.
#pragma once

#include "platform/print/PrinterState.h"
#include "print/PrinterOptionPort.h"
#include "print/TemplateDispatch.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace noshi {

struct PrintContext {
    prn::PrinterState printers;
    // The index in the printer list that the printer dialog makes current;
    // kept from one opening of the dialog to the next.
    int16_t PrinterIndex = 0;
    std::function<std::shared_ptr<PrinterOptionPort>()> printerDialogPort;
    TanzakuSheetPrinter tanzakuSheetPrinter;
    QHash<QString, QString> dispatchOverrides; // template key -> member name
};

// The installed context; a process-wide one when none is installed (tools).
PrintContext& printContext();

// Installs `context`, its printers included, for as long as this object
// lives, then puts back what was installed before.
class ScopedPrintContext {
public:
    explicit ScopedPrintContext(PrintContext& context) : printers_(context.printers), scope_(context) {}

private:
    prn::ScopedPrinterState printers_;
    run::Installed<PrintContext>::Scope scope_;
};

} // namespace noshi
