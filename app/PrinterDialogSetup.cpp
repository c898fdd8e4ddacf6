#include "app/PrinterDialogSetup.h"

#include "app/NoshiMain.h"
#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "platform/forms/Controls.h"

#include <QCheckBox>
#include <QPointer>
#include <QRadioButton>

namespace noshi {

namespace {

class MainPrinterOptions : public PrinterOptionPort {
public:
    explicit MainPrinterOptions(app::NoshiMain& main) : main_(&main) {}

    bool sheetPlace(SheetPlace place) const override
    {
        const QRadioButton* b = button(place);
        return b && b->isChecked();
    }
    void setSheetPlace(SheetPlace place, bool on) override
    {
        if (QRadioButton* b = button(place))
            forms::setOptionValue(b, on);
    }
    int paperOption(PaperOption option) const override
    {
        const QCheckBox* b = box(option);
        return b ? forms::checkValue(b) : 0;
    }
    void setPaperOption(PaperOption option, int value) override
    {
        if (QCheckBox* b = box(option))
            forms::setCheckValue(b, value);
    }
    int offsetX() const override { return app::store().PrOffsetX; }
    int offsetY() const override { return app::store().PrOffsetY; }
    void setOffsetX(int mm) override { app::store().PrOffsetX = mm; }
    void setOffsetY(int mm) override { app::store().PrOffsetY = mm; }
    QString osType() const override
    {
        return app::store().OsType.isEmpty() ? QStringLiteral("NT/XP") : app::store().OsType;
    }

private:
    QRadioButton* button(SheetPlace place) const
    {
        if (!main_)
            return nullptr;
        switch (place) {
        case SheetPlace::PrinterCentre: return main_->Option4;
        case SheetPlace::TrayRight: return main_->Option5;
        case SheetPlace::TrayLeft: return main_->Option6;
        case SheetPlace::AllCentred: return main_->Option9;
        }
        return nullptr;
    }
    QCheckBox* box(PaperOption option) const
    {
        if (!main_)
            return nullptr;
        switch (option) {
        case PaperOption::DeclareSheetSize: return main_->Check3;
        case PaperOption::DriverPaper: return main_->Check4;
        case PaperOption::HanshibanOnA4: return main_->CheckHanshiban;
        }
        return nullptr;
    }

    QPointer<app::NoshiMain> main_;
};

} // namespace

std::shared_ptr<PrinterOptionPort> MainWindowPrinterPort(app::NoshiMain& main)
{
    return std::make_shared<MainPrinterOptions>(main);
}

void InstallPrinterDialog(app::NoshiMain& main)
{
    QPointer<app::NoshiMain> window(&main);
    const std::shared_ptr<PrinterOptionPort> port = MainWindowPrinterPort(main);
    setPrinterDialogPort([port] { return port; });
    // The main window's command sets and restores the hourglass itself.
    app::hooks().showPrinterDialog = [window] { ShowPrinterDialog(window, false); };
}

} // namespace noshi
