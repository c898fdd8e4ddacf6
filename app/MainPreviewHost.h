// The preview editor's view of the main window, its input sub-windows and
// the page printer, installed by the print dispatcher.
#pragma once

#include "app/Printers.h"
#include "preview/PreviewHost.h"

#include <functional>

namespace noshi {
class PagePrintHost;
}

namespace app {

class NoshiMain;
class InputWindows;

class MainPreviewHost : public WithMainPrinters<preview::PreviewHost> {
public:
    MainPreviewHost(NoshiMain& main, InputWindows& windows, noshi::PagePrintHost& printHost);

    QString printFont() const override;
    QString mainCopies() const override;
    QString rankText() const override;
    QString nameSearchText() const override;
    preview::RankRange rankRange() const override;
    double spaceExtent() const override;
    preview::PagePrintOutcome printPage() override;
    void showMainWindow() override;
    void setMainSize(const QString& sizeName) override;
    void hideProgress() override;
    void showPrinterDialog() override;
    void showAbout(QWidget* owner) override;
    void showHints(QWidget* owner) override;
    bool hasFileLists() const override;
    void showOmoteFileList() override;
    void showNameFileList(const QString& search) override;
    app::StoreResult registerSize(const app::RegisteredSize& size) override;

private:
    NoshiMain& main_;
    InputWindows& windows_;
    noshi::PagePrintHost& printHost_;
};

} // namespace app
