// The printers a window lists and the one it makes current. By default the
// system's; the program's windows get its own view through their host.
#pragma once

#include <QString>
#include <QStringList>

namespace prn {

class PrinterChoice {
public:
    virtual ~PrinterChoice() = default;

    virtual QStringList printerNames() const;
    virtual QString currentPrinterName() const;
    // False when no printer has that name.
    virtual bool selectPrinter(const QString& name);
};

} // namespace prn
