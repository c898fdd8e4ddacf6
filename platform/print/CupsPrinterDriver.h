// The printer driver over CUPS: papers from the printer's PPD through Qt,
// the copies limit from the queue's IPP attributes, and the user's default
// paper in ~/.cups/lpoptions (never the system-wide defaults).
#pragma once

#include "platform/print/PrinterDriver.h"

namespace prn {

class CupsPrinterDriver : public PrinterDriver {
public:
    QStringList printerNames() const override;
    bool makeCurrent(const QString& name) override;
    std::optional<std::vector<uint16_t>> paperCodes(const QString& printer) const override;
    std::optional<QStringList> paperNames(const QString& printer) const override;
    int maxCopies(const QString& printer) const override;
    bool setDefaultPaper(const QString& printer, int code, QString* error = nullptr) override;
    bool showDocumentDefaults(QWidget* parent, const QString& printer) override;
};

} // namespace prn
