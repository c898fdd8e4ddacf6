#include "editors/EditorHost.h"

#include "platform/print/Printer.h"
#include "platform/run/RunState.h"

namespace editors {

QStringList EditorHost::printerNames() const { return prn::PrinterNames(); }
QString EditorHost::currentPrinterName() const { return prn::CurrentPrinter().DeviceName(); }
bool EditorHost::selectPrinter(const QString& name) { return prn::SelectPrinter(name); }

namespace {
// The host the program installed, and one that works alone until it does.
struct HostSlot {
    EditorHost* installed = nullptr;
    EditorHost alone;
};
} // namespace

EditorHost& editorHost()
{
    HostSlot& s = run::slot<HostSlot>();
    return s.installed ? *s.installed : s.alone;
}

void setEditorHost(EditorHost* host) { run::slot<HostSlot>().installed = host; }

} // namespace editors
