#include "app/MainSettingsHost.h"

#include "model/MainHooks.h"
#include "app/NoshiMain.h"
#include "platform/forms/Controls.h"

#include <QComboBox>

namespace app {

namespace {
const QString PlainOmote = QStringLiteral("無　地");
}

MainSettingsHost::MainSettingsHost(NoshiMain& main) : main_(main), window_(*this) {}

void MainSettingsHost::appendSizeName(const QString& name) { forms::appendItem(main_.Combo1, name); }

void MainSettingsHost::refillSizeNames(const QStringList& names) { forms::refillList(main_.Combo1, names); }

void MainSettingsHost::appendOmote(const QString& text) { forms::appendItem(main_.Combo2, text); }

void MainSettingsHost::refillOmotes(const QStringList& entries)
{
    forms::refillList(main_.Combo2, QStringList{PlainOmote} + entries);
}

config::FontSizeControls MainSettingsHost::mainControls() const
{
    return {{main_.Option11, main_.Option22, main_.Option33, main_.OptionOB},
            main_.CheckOBold,
            {main_.Option1, main_.Option2, main_.Option3, main_.OptionNB},
            main_.CheckNBold};
}

config::FontSizeOptions MainSettingsHost::fontSizeOptions() const { return mainControls().read(); }

void MainSettingsHost::setFontSizeOptions(const config::FontSizeOptions& options) { mainControls().apply(options); }

void MainSettingsHost::showPrinterDialog()
{
    if (hooks().showPrinterDialog)
        hooks().showPrinterDialog();
}

void MainSettingsHost::install()
{
    hooks().Noshisettei = &window_;
    hooks().showSettings = [this](int tab) { window_.showAt(tab); };
    hooks().settingsTabBuilt = [](int tab) { return config::SettingsTabBuilt(tab); };
}

} // namespace app
