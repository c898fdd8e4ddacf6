#include "app/MainPrintJob.h"

#include "app/InputWindows.h"
#include "app/MainPagePrintHost.h"
#include "app/MainPreviewHost.h"
#include "app/NoshiMain.h"
#include "app/WindowLayoutHost.h"
#include "platform/forms/Controls.h"
#include "platform/richtext/RichTextEdit.h"
#include "preview/frmNoshiPreView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>

namespace app {

MainPrintJob::MainPrintJob(NoshiMain& main, InputWindows& windows)
    : main_(main), windows_(windows), layoutHost_(std::make_unique<WindowLayoutHost>(windows)),
      printHost_(std::make_unique<MainPagePrintHost>(main, [] { return preview::NoshiPreView().get(); })),
      previewHost_(std::make_unique<MainPreviewHost>(main, windows, *printHost_))
{
}

MainPrintJob::~MainPrintJob() = default;

noshi::PrintJob MainPrintJob::job() const
{
    noshi::PrintJob j;
    j.sizeName = main_.Combo1->currentText();
    j.copiesText = main_.Text1->text();
    j.styleIndex = main_.Combo3->currentIndex();
    j.nameStyle = app::nameStyleOf(main_.Combo3->currentText());
    j.omoteText = main_.Combo2->currentText();
    j.personName = main_.Text2->text();
    j.thinInk = forms::checkValue(main_.Check1) == 1;
    j.systemVersion = main_.Text5->text();
    return j;
}

noshi::PageExtras MainPrintJob::extras() const
{
    frmTextSub1& ext = *windows_.sub1();
    return {ext.Text3->text(), ext.txtStart->text(), ext.txtEnd->text()};
}

QString MainPrintJob::twoLineCompany() const { return windows_.sub2()->Text7->text(); }
QString MainPrintJob::firstJointName() const { return windows_.sub3()->txtName[1]->text(); }

void MainPrintJob::setCopiesText(const QString& text) { main_.Text1->setText(text); }

void MainPrintJob::showPreviews()
{
    main_.RichTextBox1View->setVisible(true);
    main_.RichTextBox2View->setVisible(true);
}

void MainPrintJob::startProgress(int maximum)
{
    QProgressBar* bar = main_.ProgressBar1;
    bar->setVisible(true);
    bar->setRange(1, maximum);
    bar->setValue(1);
}

void MainPrintJob::setProgress(int value) { main_.ProgressBar1->setValue(value); }
void MainPrintJob::hideProgress() { main_.ProgressBar1->setVisible(false); }

void MainPrintJob::chooseFirstNameStyle()
{
    main_.Combo3->setCurrentIndex(0);
    main_.Combo3_Click();
}

void MainPrintJob::setOmoteText(const QString& text) { main_.Combo2->setEditText(text); }

void MainPrintJob::redrawNamePreview()
{
    main_.Text2->setText(main_.Text2->text());
    main_.Text2_Change();
}

void MainPrintJob::setTextColor(uint32_t colour) { main_.TextColor = colour; }
void MainPrintJob::commandsChanged() { main_.refreshCommandAvailability(); }
layout::LayoutHost& MainPrintJob::layoutHost() { return *layoutHost_; }
noshi::PagePrintHost& MainPrintJob::printHost() { return *printHost_; }
preview::PreviewHost* MainPrintJob::previewHost() { return previewHost_.get(); }
QWidget* MainPrintJob::window() { return &main_; }

} // namespace app
