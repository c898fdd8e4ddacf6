// The page editors' view of the main window: its choices as a snapshot and
// the windows it opens for them.
#pragma once

#include "app/Printers.h"
#include "editors/EditorHost.h"

namespace app {

class NoshiMain;

class MainEditorHost : public WithMainPrinters<editors::EditorHost> {
public:
    explicit MainEditorHost(NoshiMain& main) : main_(main) {}

    editors::MainChoices mainChoices() const override;
    void showPrinterDialog() override;
    void showAbout(QWidget* owner) override;
    void showHints(QWidget* owner) override;
    void showMainWindow() override;

private:
    NoshiMain& main_;
};

} // namespace app
