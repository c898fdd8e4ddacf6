#include "preview/PreviewHost.h"

#include "platform/print/Printer.h"
#include "platform/run/RunState.h"

namespace preview {

QStringList PreviewHost::printerNames() const { return prn::PrinterNames(); }
QString PreviewHost::currentPrinterName() const { return prn::CurrentPrinter().DeviceName(); }
bool PreviewHost::selectPrinter(const QString& name) { return prn::SelectPrinter(name); }
app::StoreResult PreviewHost::registerSize(const app::RegisteredSize& size) { return app::store().addSize(size); }

namespace {
// The host the program installed, and one that works alone until it does.
struct HostSlot {
    PreviewHost* installed = nullptr;
    PreviewHost alone;
};
} // namespace

PreviewHost& previewHost()
{
    HostSlot& s = run::slot<HostSlot>();
    return s.installed ? *s.installed : s.alone;
}

void setPreviewHost(PreviewHost* host) { run::slot<HostSlot>().installed = host; }

} // namespace preview
