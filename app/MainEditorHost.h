// The page editors' view of the main window: its choices as a snapshot and
// the windows it opens for them.
#pragma once

#include "editors/EditorHost.h"

namespace app {

class NoshiMain;

class MainEditorHost : public editors::EditorHost {
public:
    explicit MainEditorHost(NoshiMain& main) : main_(main) {}

    editors::MainChoices mainChoices() const override;
    QStringList printerNames() const override;
    QString currentPrinterName() const override;
    bool selectPrinter(const QString& name) override;
    void showPrinterDialog() override;
    void showAbout(QWidget* owner) override;
    void showHints(QWidget* owner) override;
    void showMainWindow() override;

private:
    NoshiMain& main_;
};

} // namespace app
