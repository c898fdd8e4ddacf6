#include "preview/PreviewHost.h"

#include "platform/print/Printer.h"

namespace preview {

QStringList PreviewHost::printerNames() const { return prn::PrinterNames(); }
QString PreviewHost::currentPrinterName() const { return prn::CurrentPrinter().DeviceName(); }
bool PreviewHost::selectPrinter(const QString& name) { return prn::SelectPrinter(name); }
app::StoreResult PreviewHost::registerSize(const app::RegisteredSize& size) { return app::store().addSize(size); }

namespace {
PreviewHost*& installed()
{
    static PreviewHost* host = nullptr;
    return host;
}
} // namespace

PreviewHost& previewHost()
{
    static PreviewHost alone;
    return installed() ? *installed() : alone;
}

void setPreviewHost(PreviewHost* host) { installed() = host; }

} // namespace preview
