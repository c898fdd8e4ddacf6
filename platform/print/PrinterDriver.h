// What the printer driver and the print system tell about the installed
// printers, beyond the printer object: the papers a printer offers, the
// largest number of copies, the user's default paper and the printer's own
// settings window. The CUPS driver serves the program; tests put in a fake.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace prn {

class PrinterDriver {
public:
    virtual ~PrinterDriver() = default;

    // The installed printers by device name, in the system's order.
    virtual QStringList printerNames() const = 0;
    // Makes the named printer the program's current printer; false leaves
    // the current one as it was.
    virtual bool makeCurrent(const QString& name) = 0;

    // The papers in the driver's order: their codes (DMPAPER numbers, 16-bit
    // words) and their names. nullopt when the driver cannot tell; an empty
    // list when it offers none.
    virtual std::optional<std::vector<uint16_t>> paperCodes(const QString& printer) const = 0;
    virtual std::optional<QStringList> paperNames(const QString& printer) const = 0;
    // The largest number of copies one job may ask for; -1 when unknown.
    virtual int maxCopies(const QString& printer) const = 0;

    // Makes the paper of that code the printer's default for this user.
    // False when the printer has no such paper or no paper setting, or the
    // change cannot be stored; *error then says why (empty when nothing was tried).
    virtual bool setDefaultPaper(const QString& printer, int code, QString* error = nullptr) = 0;
    // The printer's own settings for this user's documents (modal); false
    // when they cannot be shown for that printer.
    virtual bool showDocumentDefaults(QWidget* parent, const QString& printer) = 0;
};

// The program's driver: CUPS unless a test has put another in.
PrinterDriver& printerDriver();

} // namespace prn
