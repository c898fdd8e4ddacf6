// The page printers' view of the real windows: the main window's options and
// copies, the preview's boxes and copies, the company-name box.
#pragma once

#include "print/PagePrintHost.h"

#include <functional>
#include <memory>

namespace preview {
class frmNoshiPreView;
}

namespace app {

class NoshiMain;

class MainPagePrintHost : public noshi::PagePrintHost {
public:
    using PreviewAccess = std::function<preview::frmNoshiPreView*()>;
    MainPagePrintHost(NoshiMain& main, PreviewAccess preview);
    ~MainPagePrintHost() override;

    noshi::PagePrintSettings printSettings() const override;
    rt::RichTextBox& omoteBox() override;
    rt::RichTextBox& nameBox() override;
    rt::RichTextBox& companyNameBox() override;
    rt::RichTextBox& bulkLabelBox() override;
    void setStatusText(const QString& text) override;
    void setProgressValue(double value) override;

private:
    NoshiMain& main_;
    PreviewAccess preview_;
    // Stands in for the bulk-label editor's box until that window exists.
    std::unique_ptr<rt::RichTextBox> bulkLabel_;
};

} // namespace app
