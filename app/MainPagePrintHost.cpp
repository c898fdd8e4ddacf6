#include "app/MainPagePrintHost.h"

#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "app/NoshiMain.h"
#include "platform/forms/Controls.h"
#include "platform/richtext/RichTextBox.h"
#include "preview/frmNoshiPreView.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <cmath>

namespace app {

MainPagePrintHost::MainPagePrintHost(NoshiMain& main, PreviewAccess preview)
    : main_(main), preview_(std::move(preview)), bulkLabel_(std::make_unique<rt::RichTextBox>())
{
}

MainPagePrintHost::~MainPagePrintHost() = default;

noshi::PagePrintSettings MainPagePrintHost::printSettings() const
{
    const LiveStore& st = store();
    noshi::PagePrintSettings s;
    s.EditMode = int16_t(st.EditMode);
    s.Check2 = forms::checkValue(main_.Check2) == 1;
    s.Check3 = forms::checkValue(main_.Check3) == 1;
    s.Check4 = forms::checkValue(main_.Check4) == 1;
    s.CheckHanshiban = forms::checkValue(main_.CheckHanshiban) == 1;
    s.Option4 = main_.Option4->isChecked();
    s.Option5 = main_.Option5->isChecked();
    s.Option6 = main_.Option6->isChecked();
    s.Option9 = main_.Option9->isChecked();
    s.Option7 = main_.Option7->isChecked();
    s.Option8 = main_.Option8->isChecked();
    s.BulkLabel = hooks().bulkLabelChecked && hooks().bulkLabelChecked() == 1;
    s.MainCopies = main_.Text1->text();
    if (preview::frmNoshiPreView* p = preview_())
        s.PreviewCopies = p->Text1->text();
    s.PaperWidth = int16_t(st.PaperWidth);
    s.PaperHeight = int16_t(st.PaperHeight);
    s.LayoutWidth = int16_t(st.LayoutWidth);
    s.PrOffsetX = int16_t(st.PrOffsetX);
    s.PrOffsetY = int16_t(st.PrOffsetY);
    s.CoNameA = st.CoNameA;
    s.CoNameB = st.CoNameB;
    s.CoPrintSetA = st.CoPrintSetA ? -1 : 0;
    s.CoPrintSetB = st.CoPrintSetB ? -1 : 0;
    s.CurrentKey = currentTemplateKey();
    if (!st.MeasureFontName.isEmpty())
        s.MeasureFontName = st.MeasureFontName;
    return s;
}

rt::RichTextBox& MainPagePrintHost::omoteBox() { return *preview_()->RichTextBox1; }
rt::RichTextBox& MainPagePrintHost::nameBox() { return *preview_()->RichTextBox2; }
rt::RichTextBox& MainPagePrintHost::companyNameBox() { return *main_.RichTextBox3; }
rt::RichTextBox& MainPagePrintHost::bulkLabelBox()
{
    // Reading the editor's box loads it hidden with the label file's content.
    if (hooks().bulkLabelBox)
        if (rt::RichTextBox* box = hooks().bulkLabelBox())
            return *box;
    return *bulkLabel_;
}

void MainPagePrintHost::setStatusText(const QString& text) { main_.Label6->setText(text); }

void MainPagePrintHost::setProgressValue(double value)
{
    QProgressBar* bar = main_.ProgressBar1;
    bar->setValue(std::clamp(int(std::lround(value)), bar->minimum(), bar->maximum()));
}

} // namespace app
