#include "editors/EditorHost.h"

#include "platform/print/Printer.h"

namespace editors {

QStringList EditorHost::printerNames() const { return prn::PrinterNames(); }
QString EditorHost::currentPrinterName() const { return prn::CurrentPrinter().DeviceName(); }
bool EditorHost::selectPrinter(const QString& name) { return prn::SelectPrinter(name); }

namespace {
EditorHost*& installed()
{
    static EditorHost* host = nullptr;
    return host;
}
} // namespace

EditorHost& editorHost()
{
    static EditorHost alone;
    return installed() ? *installed() : alone;
}

void setEditorHost(EditorHost* host) { installed() = host; }

} // namespace editors
