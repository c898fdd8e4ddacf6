#include "platform/print/PrinterChoice.h"

#include "platform/print/Printer.h"

namespace prn {

QStringList PrinterChoice::printerNames() const { return PrinterNames(); }
QString PrinterChoice::currentPrinterName() const { return CurrentPrinter().DeviceName(); }
bool PrinterChoice::selectPrinter(const QString& name) { return SelectPrinter(name); }

} // namespace prn
