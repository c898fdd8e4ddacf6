// A main window stand-in for the page printers: settings to set per test,
// the four boxes named as the recording printer logs them, and what the
// printers wrote back (status line, progress values).
#pragma once

#include "platform/richtext/RichTextBox.h"
#include "print/PagePrintHost.h"

#include <vector>

class FakePrintHost : public noshi::PagePrintHost {
public:
    FakePrintHost()
    {
        omote.setObjectName("omote");
        name.setObjectName("name");
        company.setObjectName("company");
        bulk.setObjectName("bulk");
        bulk.setWidthMm(72); // the label editor's square
        bulk.setHeightMm(72);
        s.MainCopies = "1";
        s.PreviewCopies = "1";
    }

    noshi::PagePrintSettings printSettings() const override { return s; }
    rt::RichTextBox& omoteBox() override { return omote; }
    rt::RichTextBox& nameBox() override { return name; }
    rt::RichTextBox& companyNameBox() override { return company; }
    rt::RichTextBox& bulkLabelBox() override { return bulk; }
    void setStatusText(const QString& text) override { status = text; }
    void setProgressValue(double value) override { progress.push_back(value); }

    noshi::PagePrintSettings s;
    rt::RichTextBox omote, name, company, bulk;
    QString status = "earlier status";
    std::vector<double> progress;
};
