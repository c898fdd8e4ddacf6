// Binds the printer dialog to the main window: its placement and paper
// options and the global offsets are where the dialog writes, and the main
// window's printer command opens it.
#pragma once

#include "print/frmPrinterP.h"

namespace app {
class NoshiMain;
}

namespace noshi {

PrinterOptionTargets MainWindowPrinterTargets(app::NoshiMain& main);
// Registers the targets for every opener and sets the main window's hook;
// run once at start-up, before the main window loads.
void InstallPrinterDialog(app::NoshiMain& main);

} // namespace noshi
