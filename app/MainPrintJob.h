// The main window and its input sub-windows as the print command sees them.
#pragma once

#include "print/PrintJobPort.h"

#include <memory>

namespace app {

class InputWindows;
class NoshiMain;
class WindowLayoutHost;
class MainPagePrintHost;
class MainPreviewHost;

class MainPrintJob : public noshi::PrintJobPort {
public:
    MainPrintJob(NoshiMain& main, InputWindows& windows);
    ~MainPrintJob() override;

    noshi::PrintJob job() const override;
    noshi::PageExtras extras() const override;
    QString twoLineCompany() const override;
    QString firstJointName() const override;
    void setCopiesText(const QString& text) override;
    void showPreviews() override;
    void startProgress(int maximum) override;
    void setProgress(int value) override;
    void hideProgress() override;
    void chooseFirstNameStyle() override;
    void setOmoteText(const QString& text) override;
    void redrawNamePreview() override;
    void setTextColor(uint32_t colour) override;
    void commandsChanged() override;
    layout::LayoutHost& layoutHost() override;
    noshi::PagePrintHost& printHost() override;
    preview::PreviewHost* previewHost() override;
    QWidget* window() override;

private:
    NoshiMain& main_;
    InputWindows& windows_;
    std::unique_ptr<WindowLayoutHost> layoutHost_;
    std::unique_ptr<MainPagePrintHost> printHost_;
    std::unique_ptr<MainPreviewHost> previewHost_;
};

} // namespace app
