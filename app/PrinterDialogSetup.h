// Binds the printer dialog to the main window: the main window's placement
// and paper options and the global offsets are what the dialog's port reads
// and writes, and the main window's printer command opens it.
#pragma once

#include "print/frmPrinterP.h"

#include <memory>

namespace app {
class NoshiMain;
}

namespace noshi {

// The dialog's port over the main window's option buttons and check boxes
// and the store's offsets; it outlives no window (a closed window reads as
// all options off).
std::shared_ptr<PrinterOptionPort> MainWindowPrinterPort(app::NoshiMain& main);
// Registers the port for every opener and sets the main window's hook;
// run once at start-up, before the main window loads.
void InstallPrinterDialog(app::NoshiMain& main);

} // namespace noshi
