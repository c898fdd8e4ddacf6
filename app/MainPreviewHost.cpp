#include "app/MainPreviewHost.h"

#include "app/InputWindows.h"
#include "config/SizeRegistration.h"
#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "app/NoshiMain.h"
#include "app/Printers.h"
#include "app/SmallDialogs.h"
#include "app/frmTextSub1.h"
#include "app/frmTextSub2.h"
#include "app/frmTextSub3.h"
#include "platform/forms/Controls.h"
#include "platform/print/Printer.h"
#include "print/PrintDispatcher.h"
#include "print/TemplateDispatch.h"
#include "platform/run/RunState.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>

namespace app {

MainPreviewHost::MainPreviewHost(NoshiMain& main, InputWindows& windows, noshi::PagePrintHost& printHost)
    : main_(main), windows_(windows), printHost_(printHost)
{
}

QString MainPreviewHost::printFont() const { return main_.Combo4->currentText(); }
QString MainPreviewHost::mainCopies() const { return main_.Text1->text(); }
QString MainPreviewHost::rankText() const { return main_.Text2->text(); }

QString MainPreviewHost::nameSearchText() const
{
    switch (app::nameStyleOf(main_.Combo3->currentText())) {
    case app::NameStyle::OneLine: return main_.Text2->text();
    case app::NameStyle::TwoLine: return windows_.sub2()->Text7->text();
    case app::NameStyle::Joint: return windows_.sub3()->txtName[1]->text();
    case app::NameStyle::None: break;
    }
    return {};
}

preview::RankRange MainPreviewHost::rankRange() const
{
    frmTextSub1& ext = *windows_.sub1();
    return {ext.txtStart->text(), ext.txtEnd->text(), forms::checkValue(ext.Check5) == 1};
}

double MainPreviewHost::spaceExtent() const
{
    const auto e = noshi::SpaceExtentFor(store().OsType, main_.Text5->text(), QStringLiteral("　"),
                                         QStringLiteral("ＭＳ 明朝"), 4.0f);
    return e ? *e : noshi::PrintDispatcher::FixedSpaceExtent;
}

preview::PagePrintOutcome MainPreviewHost::printPage()
{
    const noshi::PrintPageOutcome out = noshi::PrintNoshiPage(printHost_, prn::CurrentPrinter(), [this] {
        hideProgress();
        QApplication::restoreOverrideCursor();
    });
    preview::PagePrintOutcome r;
    r.sheetPrinter = noshi::isTanzakuSheet(out.choice);
    r.error = !out.error.isEmpty() ? out.error : out.page.error;
    return r;
}

void MainPreviewHost::showMainWindow() { main_.bringToFront(); }

void MainPreviewHost::setMainSize(const QString& sizeName) { main_.Combo1->setEditText(sizeName); }

void MainPreviewHost::hideProgress() { main_.ProgressBar1->setVisible(false); }

void MainPreviewHost::showPrinterDialog()
{
    if (hooks().showPrinterDialog)
        hooks().showPrinterDialog();
}

void MainPreviewHost::showAbout(QWidget* owner)
{
    struct About {
        forms::FormRef<NoshiAbout> window;
    };
    run::slot<About>().window.showModal(owner);
}

void MainPreviewHost::showHints(QWidget* owner)
{
    run::slot<forms::FormRef<DialogDoc>>().showModal(owner);
}

bool MainPreviewHost::hasFileLists() const { return hooks().showDatabase1 && hooks().showDatabase2; }

void MainPreviewHost::showOmoteFileList()
{
    if (hooks().showDatabase1)
        hooks().showDatabase1();
}

void MainPreviewHost::showNameFileList(const QString& search)
{
    if (hooks().showDatabase2)
        hooks().showDatabase2(search);
}

app::StoreResult MainPreviewHost::registerSize(const app::RegisteredSize& size)
{
    return config::AddRegisteredSize(size, [this](const QString& name) { forms::appendItem(main_.Combo1, name); });
}

} // namespace app
