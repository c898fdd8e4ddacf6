// The main window as the setup wizard sees it: its print font, status
// label, printer options and the printer service. Install() lets the
// main window open the wizard on its first activation and from its menu.
#pragma once

#include "config/SetupWizard.h"

namespace app {

class NoshiMain;

class MainWizardHost : public config::WizardMainPort {
public:
    MainWizardHost(NoshiMain& main, config::MainListsPort& lists);

    QString printFont() const override;
    void setPrintFont(const QString& name) override;
    void setStatusText(const QString& text) override;
    bool allPapersCentred() const override;
    void setAllPapersCentred(bool on) override;
    int notifyPaperSize() const override;
    void setNotifyPaperSize(int value) override;
    int hanshibanOnA4() const override;
    void setHanshibanOnA4(int value) override;
    QStringList installedPrinters() const override;
    QString currentPrinter() const override;
    bool selectPrinter(const QString& name) override;

    // Sets the main window's hook for the welcome page.
    void install();
    config::SetupWizard& wizard() { return wizard_; }

private:
    NoshiMain& main_;
    config::SetupWizard wizard_;
};

} // namespace app
