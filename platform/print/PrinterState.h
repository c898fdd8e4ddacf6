// The printers one run of the program works with: the driver that lists and
// configures them, and the printer pages go to. A run installs its own (the
// print context does, for the program and for every test); code running
// outside any run shares one that lives until the process ends.
#pragma once

#include "platform/run/Installed.h"

#include <memory>

namespace prn {

class Printer;
class PrinterDriver;

struct PrinterState {
    PrinterState();
    ~PrinterState();
    PrinterState(const PrinterState&) = delete;
    PrinterState& operator=(const PrinterState&) = delete;

    // In this order: the current printer goes before the driver.
    std::unique_ptr<PrinterDriver> driver; // made on first use
    std::unique_ptr<Printer> current;      // the system's default until first asked for
};

// The installed state.
inline PrinterState& printerState() { return run::Installed<PrinterState>::current(); }

using ScopedPrinterState = run::Installed<PrinterState>::Scope;

} // namespace prn
