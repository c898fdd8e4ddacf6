#include "preview/frmNoshiPreView.h"

#include "model/LiveStore.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QVBoxLayout>

namespace preview {

namespace {

QLineEdit* hiddenField(QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->hide();
    return e;
}

} // namespace

frmNoshiPreView::frmNoshiPreView(QWidget* parent) : forms::Form(parent)
{
    RichTextBox1 = new rt::RichTextBox(this);
    RichTextBox2 = new rt::RichTextBox(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox2->setObjectName(QStringLiteral("RichTextBox2"));
    RichTextBox1View = new rt::RichTextEdit(RichTextBox1, this);
    RichTextBox2View = new rt::RichTextEdit(RichTextBox2, this);
    for (rt::RichTextEdit* view : {RichTextBox1View, RichTextBox2View})
        view->setReadOnly(true);

    Text1 = new QLineEdit(QStringLiteral("1"), this);
    Text2 = new QLineEdit(this);
    Text6 = new QLineEdit(this);
    Text12 = new QLineEdit(this);
    for (QLineEdit* marker : {Text2, Text6, Text12})
        marker->setReadOnly(true);
    Text3 = hiddenField(this);
    Text4 = hiddenField(this);
    Text10 = hiddenField(this);
    Text11 = hiddenField(this);
    txtFile1 = hiddenField(this);
    txtFile2 = hiddenField(this);
    mailbox_ = PreviewMailbox({Text3, Text4, Text10, Text11, txtFile1, txtFile2, &dlgCommonDialogFileName});

    StatusBar1 = new QStatusBar(this);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusPanel1, 1);

    auto* page = new QVBoxLayout;
    page->addWidget(Text2);
    page->addWidget(RichTextBox1View, 1);
    page->addWidget(Text6);
    page->addWidget(RichTextBox2View, 1);
    page->addWidget(Text12);
    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(Text1);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(page, 1);
    all->addWidget(StatusBar1);
}

frmNoshiPreView::~frmNoshiPreView() = default;

void frmNoshiPreView::Form_Load()
{
    app::LiveStore& st = app::store();
    if (st.LoopPos >= 0 && st.LoopPos < st.RegSizeCount() && st.StyleLoop >= 0 && st.StyleLoop < app::NameStyleCount) {
        const app::RegisteredSize& z = st.size(st.LoopPos);
        st.CurSizeTemplate = z.RegSizeTemplate[size_t(st.StyleLoop)];
        st.CurSizeName = z.RegSizeName[size_t(st.StyleLoop)];
    }
}

void frmNoshiPreView::setMarkerWidthMm(double mm)
{
    markerWidthMm_ = mm;
    const int px = int(mm * logicalDpiX() / 25.4 + 0.5);
    for (QLineEdit* marker : {Text2, Text6, Text12})
        marker->setFixedWidth(qMax(px, 1));
}

void frmNoshiPreView::setBoxVisible(int box, bool on)
{
    (box == 1 ? RichTextBox1View : RichTextBox2View)->setVisible(on);
}

forms::FormRef<frmNoshiPreView>& NoshiPreView()
{
    static forms::FormRef<frmNoshiPreView> ref;
    return ref;
}

} // namespace preview
