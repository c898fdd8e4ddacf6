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

// A window's host whose printers are these, for the windows that offer a
// printer list of their own.
template <typename Host>
class WithMainPrinters : public Host {
public:
    QStringList printerNames() const override { return installedPrinters(); }
    QString currentPrinterName() const override { return app::currentPrinterName(); }
    bool selectPrinter(const QString& name) override { return app::selectPrinter(name); }
};

} // namespace app
