#include "platform/print/CupsPrinterDriver.h"
#include "platform/print/PrinterDriverTesting.h"

#include "platform/print/CupsLibrary.h"
#include "platform/print/LpOptions.h"
#include "platform/print/PaperCodes.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterState.h"
#include "platform/run/RunState.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace prn {

namespace {

// The driver's papers for a printer; nullopt when there is no such printer.
std::optional<QList<QPageSize>> driverPapers(const QString& printer)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    if (info.isNull())
        return std::nullopt;
    return info.supportedPageSizes();
}

} // namespace

QStringList CupsPrinterDriver::printerNames() const { return PrinterNames(); }

bool CupsPrinterDriver::makeCurrent(const QString& name) { return SelectPrinter(name); }

std::optional<std::vector<uint16_t>> CupsPrinterDriver::paperCodes(const QString& printer) const
{
    const auto papers = driverPapers(printer);
    if (!papers)
        return std::nullopt;
    std::vector<uint16_t> codes;
    for (qsizetype i = 0; i < papers->size(); ++i)
        codes.push_back(uint16_t(driverPaperCode(papers->at(i), int(i))));
    return codes;
}

std::optional<QStringList> CupsPrinterDriver::paperNames(const QString& printer) const
{
    const auto papers = driverPapers(printer);
    if (!papers)
        return std::nullopt;
    QStringList names;
    for (const QPageSize& p : *papers)
        names << p.name();
    return names;
}

int CupsPrinterDriver::maxCopies(const QString& printer) const
{
    const CupsLibrary* c = cupsLibrary();
    if (!c)
        return -1;
    cups_dest_t* dest = c->cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), nullptr);
    if (!dest)
        return -1;
    int upper = -1;
    if (cups_dinfo_t* info = c->cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        ipp_attribute_t* attr = c->cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, CUPS_COPIES);
        if (attr && c->ippGetValueTag(attr) == IPP_TAG_RANGE)
            c->ippGetRange(attr, 0, &upper);
        else if (attr && c->ippGetValueTag(attr) == IPP_TAG_INTEGER)
            upper = c->ippGetInteger(attr, 0);
        c->cupsFreeDestInfo(info);
    }
    c->cupsFreeDests(1, dest);
    return upper;
}

bool CupsPrinterDriver::setDefaultPaper(const QString& printer, int code, QString* error)
{
    if (error)
        error->clear();
    const auto papers = driverPapers(printer);
    if (!papers)
        return false;
    for (qsizetype i = 0; i < papers->size(); ++i)
        if (driverPaperCode(papers->at(i), int(i)) == code)
            return setUserDefaultPaper(printer, papers->at(i).key(), error);
    return false;
}

bool CupsPrinterDriver::showDocumentDefaults(QWidget* parent, const QString& printer)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    if (info.isNull())
        return false;
    QPrinter target(info, QPrinter::HighResolution);
    QPageSetupDialog dialog(&target, parent);
    dialog.setWindowTitle(printer);
    if (dialog.exec() != QDialog::Accepted)
        return true;
    // The paper chosen there becomes this user's default for the printer.
    const QPageSize chosen = target.pageLayout().pageSize();
    for (const QPageSize& p : info.supportedPageSizes())
        if (p.isEquivalentTo(chosen))
            setUserDefaultPaper(printer, p.key());
    return true;
}

PrinterDriver& printerDriver()
{
    auto& driver = printerState().driver;
    if (!driver)
        driver = std::make_unique<CupsPrinterDriver>();
    return *driver;
}

void setPrinterDriver(std::unique_ptr<PrinterDriver> driver) { printerState().driver = std::move(driver); }

} // namespace prn
