// The installed printers and the current printer, as the main window sees
// them. Tests replace the list of installed printers.
#pragma once

#include <QSizeF>
#include <QStringList>
#include <functional>
#include <optional>

namespace app {

QStringList installedPrinters();
// Makes the named printer current; false when none has that name.
bool selectPrinter(const QString& name);
// Device name of the current printer ("" when there is none).
QString currentPrinterName();
// The current printer's paper in twips; nullopt without a printer.
std::optional<QSizeF> currentPaperTwips();

} // namespace app
