#include "app/PrinterDialogSetup.h"

#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "app/NoshiMain.h"

#include <QPointer>

namespace noshi {

PrinterOptionTargets MainWindowPrinterTargets(app::NoshiMain& main)
{
    PrinterOptionTargets t;
    t.Option4 = main.Option4;
    t.Option5 = main.Option5;
    t.Option6 = main.Option6;
    t.Option9 = main.Option9;
    t.Check3 = main.Check3;
    t.Check4 = main.Check4;
    t.CheckHanshiban = main.CheckHanshiban;
    t.PrOffsetX = &app::store().PrOffsetX;
    t.PrOffsetY = &app::store().PrOffsetY;
    if (!app::store().OsType.isEmpty())
        t.OsType = app::store().OsType;
    return t;
}

void InstallPrinterDialog(app::NoshiMain& main)
{
    QPointer<app::NoshiMain> window(&main);
    setPrinterDialogTargets([window] { return MainWindowPrinterTargets(*window); });
    // The main window's command sets and restores the hourglass itself.
    app::hooks().showPrinterDialog = [window] { ShowPrinterDialog(window, false); };
}

} // namespace noshi
