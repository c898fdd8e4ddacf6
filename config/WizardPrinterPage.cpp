#include "config/WizardPrinterPage.h"

#include "model/LiveStore.h"
#include "platform/forms/Controls.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTextOption>
#include <QVBoxLayout>

namespace config {

const std::array<uint32_t, 12> ThinInkPalette = {0x000000, 0x1F1F1F, 0x3F3F3F, 0x5F5F5F, 0x6F6F6F, 0x7F7F7F,
                                                  0x8F8F8F, 0x9F9F9F, 0xAFAFAF, 0xBFBFBF, 0xCFCFCF, 0xDFDFDF};

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setFixedSize(28, 28);
    setColour(0);
}

void ColourSwatch::setColour(uint32_t colour)
{
    colour_ = colour & 0x00FFFFFFu;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, vb::ToQColor(colour_));
    setPalette(pal);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(e);
}

namespace {

QTextEdit* inkSample(const QString& text, QWidget* parent)
{
    auto* box = new QTextEdit(parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFixedSize(52, 120);
    QStringList lines;
    for (const QChar c : text)
        lines << QString(c);
    QTextOption centred(Qt::AlignHCenter);
    box->document()->setDefaultTextOption(centred);
    box->setPlainText(lines.join(QLatin1Char('\n')));
    return box;
}

} // namespace

frmSetupWiz6::frmSetupWiz6(SetupWizard& wizard)
    : WizardPage(wizard, Caption, QStringLiteral("初期設定ウィザード　２／５"))
{
    Label8 = new QLabel(QStringLiteral("プリンタ名(&U)"), this);
    Combo5 = new QComboBox(this);
    Combo5->setMinimumWidth(260);
    Label8->setBuddy(Combo5);
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(Label8);
    printerRow->addWidget(Combo5, 1);

    auto* kindFrame = new QGroupBox(this);
    Option1 = new QRadioButton(QStringLiteral("インクジェットプリンタ"), kindFrame);
    Option2 = new QRadioButton(QStringLiteral("レーザープリンタ"), kindFrame);
    auto* kinds = new QButtonGroup(kindFrame);
    kinds->addButton(Option1);
    kinds->addButton(Option2);
    Check1 = new QCheckBox(QStringLiteral("使用するプリンタは、用紙(のし紙）を用紙トレイ中央にセットする"), kindFrame);
    Check3 = new QCheckBox(
        QStringLiteral("プリンタへ用紙（のし紙）サイズを通知する　　　（プリンタのメーカー仕様により異なります）"),
        kindFrame);
    Check3->setToolTip(QStringLiteral("ご使用のプリンタの仕様によりことなります。"));
    CheckHanshiban = new QCheckBox(QStringLiteral("半紙判をA４プリンタで印刷する"), kindFrame);
    auto* kindBox = new QGridLayout(kindFrame);
    kindBox->addWidget(Option1, 0, 0);
    kindBox->addWidget(Option2, 0, 1);
    kindBox->addWidget(Check1, 1, 0, 1, 3);
    kindBox->addWidget(Check3, 2, 0, 1, 3);
    kindBox->addWidget(CheckHanshiban, 3, 0, 1, 3);
    kindBox->setColumnStretch(2, 1);

    auto* inkFrame = new QGroupBox(QStringLiteral("薄墨印刷　文字色の登録(&C)"), this);
    auto* palette = new QGridLayout;
    palette->setSpacing(6);
    palette->setColumnStretch(6, 1);
    for (int i = 0; i < 12; ++i) {
        PictureUcolor[size_t(i)] = new ColourSwatch(inkFrame);
        PictureUcolor[size_t(i)]->setCursor(Qt::PointingHandCursor);
        palette->addWidget(PictureUcolor[size_t(i)], i / 6, i % 6);
        connect(PictureUcolor[size_t(i)], &ColourSwatch::clicked, this, [this, i] { PictureUcolor_Click(i); });
    }
    Label1 = new QLabel(QStringLiteral("選択された薄墨印刷の文字色"), inkFrame);
    Picture2 = new ColourSwatch(inkFrame);
    Picture2->setFixedSize(60, 28);
    Command3 = new QPushButton(QStringLiteral("OK"), inkFrame);
    Command3->setAutoDefault(false);
    Command3->hide();
    Text1 = inkSample(QStringLiteral("粗供養"), inkFrame);
    Text2 = inkSample(QStringLiteral("志"), inkFrame);
    auto* chosen = new QHBoxLayout;
    chosen->addWidget(Label1);
    chosen->addWidget(Picture2);
    chosen->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(palette);
    left->addLayout(chosen);
    left->addStretch();
    auto* inkBox = new QHBoxLayout(inkFrame);
    inkBox->addLayout(left, 1);
    inkBox->addWidget(Text1);
    inkBox->addWidget(Text2);

    auto* hint = new QLabel(QStringLiteral("ここでの設定は、印刷テスト後「ﾌﾟﾘﾝﾀの設定」で変更できます。"), this);

    content()->addLayout(printerRow);
    content()->addWidget(kindFrame);
    content()->addWidget(inkFrame);
    content()->addWidget(hint);
    content()->addStretch();

    const Navigation nav = addNavigation([this] { Command2_Click(); }, [this] { Command1_Click(); });
    Command2 = nav.back;
    Command1 = nav.next;
    resize(760, 520);

    connect(Combo5, &QComboBox::activated, this, [this] { Combo5_Click(); });
    connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
    connect(Check1, &QCheckBox::stateChanged, this, [this] { Check1_Click(); });
    connect(Check3, &QCheckBox::stateChanged, this, [this] { Check3_Click(); });
    connect(CheckHanshiban, &QCheckBox::stateChanged, this, [this] { CheckHanshiban_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void frmSetupWiz6::paintSamples(uint32_t colour)
{
    for (QTextEdit* box : {Text1, Text2}) {
        QPalette pal = box->palette();
        pal.setColor(QPalette::Text, vb::ToQColor(colour));
        box->setPalette(pal);
    }
}

void frmSetupWiz6::Form_Load()
{
    loading_ = true;
    app::LiveStore& st = app::store();
    WizardMainPort& main = wizard_.main();
    Picture2->setColour(st.UsuzumiColor);
    QFont f(uprightFontName(wizard_.WizardFontName));
    f.setPointSize(16);
    Text1->setFont(f);
    Text2->setFont(f);
    paintSamples(st.UsuzumiColor);
    for (int i = 0; i < 12; ++i)
        PictureUcolor[size_t(i)]->setColour(ThinInkPalette[size_t(i)]);

    // The saved printer becomes current, else the first one installed.
    Combo5->clear();
    const QStringList printers = main.installedPrinters();
    Combo5->addItems(printers);
    if (!printers.isEmpty() && !main.selectPrinter(st.PrinterName))
        main.selectPrinter(printers.first());
    // The list shows the printer that is current now.
    Combo5->setCurrentIndex(Combo5->findText(main.currentPrinter(), Qt::MatchExactly));

    forms::setCheckValue(Check3, main.notifyPaperSize());
    forms::setCheckValue(CheckHanshiban, main.hanshibanOnA4());
    forms::setCheckValue(Check1, main.allPapersCentred() ? 1 : 0);
    Option1->setChecked(true);
    loading_ = false;
}

void frmSetupWiz6::Combo5_Click()
{
    const QString name = Combo5->currentText();
    if (!name.isEmpty())
        wizard_.main().selectPrinter(name);
}

void frmSetupWiz6::Option1_Click()
{
    forms::setCheckValue(Check1, 0);
    forms::setCheckValue(Check3, 0);
    wizard_.main().setAllPapersCentred(false);
    wizard_.main().setNotifyPaperSize(0);
}

void frmSetupWiz6::Option2_Click()
{
    forms::setCheckValue(Check1, 1);
    forms::setCheckValue(Check3, 1);
    wizard_.main().setAllPapersCentred(true);
    wizard_.main().setNotifyPaperSize(1);
}

void frmSetupWiz6::Check1_Click()
{
    if (!loading_)
        wizard_.main().setAllPapersCentred(forms::checkValue(Check1) == 1);
}

void frmSetupWiz6::Check3_Click()
{
    if (!loading_)
        wizard_.main().setNotifyPaperSize(forms::checkValue(Check3));
}

void frmSetupWiz6::CheckHanshiban_Click()
{
    if (!loading_)
        wizard_.main().setHanshibanOnA4(forms::checkValue(CheckHanshiban));
}

void frmSetupWiz6::PictureUcolor_Click(int index)
{
    if (index < 0 || index >= 12)
        return;
    Picture2->setColour(PictureUcolor[size_t(index)]->colour());
    Command3_Click();
}

void frmSetupWiz6::Command3_Click()
{
    app::store().UsuzumiColor = Picture2->colour();
    paintSamples(Picture2->colour());
    Command1->setFocus();
}

void frmSetupWiz6::Command1_Click()
{
    // Black is no thin ink: it would print like the ordinary text.
    if (app::store().UsuzumiColor == 0) {
        ui::MsgBox(QStringLiteral("薄墨で印刷する色が選択されていません。"), ui::Buttons::Ok, ui::Icon::Information,
                   ui::InputCheckTitle);
        return;
    }
    wizard_.go(this, SetupWizard::Step::Size);
}

void frmSetupWiz6::Command2_Click() { wizard_.go(this, SetupWizard::Step::Font); }

} // namespace config
