#include "app/Printers.h"
#include "app/PrintersTesting.h"

#include "platform/print/Printer.h"
#include "platform/run/RunState.h"

namespace app {

namespace {
struct TestPrinters {
    std::function<QStringList()> list;
    QString current;
};
std::function<QStringList()>& testList() { return run::slot<TestPrinters>().list; }
QString& testCurrent() { return run::slot<TestPrinters>().current; }
} // namespace

void setPrinterListForTests(std::function<QStringList()> list)
{
    testList() = std::move(list);
    testCurrent().clear();
}

QStringList installedPrinters() { return testList() ? testList()() : prn::PrinterNames(); }

bool selectPrinter(const QString& name)
{
    if (testList()) {
        if (!testList()().contains(name))
            return false;
        testCurrent() = name;
        return true;
    }
    return prn::SelectPrinter(name);
}

QString currentPrinterName()
{
    if (testList())
        return testCurrent();
    if (prn::PrinterNames().isEmpty())
        return QString();
    return prn::CurrentPrinter().DeviceName();
}

std::optional<QSizeF> currentPaperTwips()
{
    if (testList()) {
        if (testCurrent().isEmpty())
            return std::nullopt;
        return QSizeF(11906, 16838); // A4
    }
    if (prn::PrinterNames().isEmpty())
        return std::nullopt;
    const prn::Printer& p = prn::CurrentPrinter();
    return QSizeF(p.Width(), p.Height());
}

} // namespace app
