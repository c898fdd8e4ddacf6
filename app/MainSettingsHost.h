// The main window as the settings dialog sees it: its size and inscription
// lists, its font-size options and the printer dialog. Install() opens the
// dialog from the main window's menu items and unloads it with the window.
#pragma once

#include "config/Noshisettei.h"
#include "config/SettingsHost.h"

namespace app {

class NoshiMain;

class MainSettingsHost : public config::SettingsHost {
public:
    explicit MainSettingsHost(NoshiMain& main);

    void appendSizeName(const QString& name) override;
    void refillSizeNames(const QStringList& names) override;
    void appendOmote(const QString& text) override;
    void refillOmotes(const QStringList& entries) override;
    config::FontSizeOptions fontSizeOptions() const override;
    void setFontSizeOptions(const config::FontSizeOptions& options) override;
    void showPrinterDialog() override;

    // Sets the main window's hooks for the dialog.
    void install();
    config::SettingsWindow& window() { return window_; }

private:
    config::FontSizeControls mainControls() const;

    NoshiMain& main_;
    config::SettingsWindow window_;
};

} // namespace app
