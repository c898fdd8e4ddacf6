#include "app/frmTextSub0.h"

#include "app/Magnifier.h"
#include "app/NoshiMain.h"
#include "app/PreviewView.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/forms/Controls.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/TextLayout.h"
#include "platform/vb/VbNum.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <cmath>

namespace app {

frmTextSub0::frmTextSub0(NoshiMain* main, QWidget* parent) : forms::Form(parent), main_(main)
{
    setWindowTitle(Caption);
    setFixedSize(forms::twipsToPx(9330), forms::twipsToPx(6270));

    FrameTitles = placeTwips(new QGroupBox(QStringLiteral("表書きの肩書き(&Z)"), this), 120, 120, 4335, 1335);
    LabelText4 = placeTwips(new QLabel(QStringLiteral("肩書（右）"), FrameTitles), 120, 360, 1095, 255);
    Text4 = placeTwips(new QLineEdit(FrameTitles), 1200, 300, 2655, 345);
    Picture1 = placeTwips(new MagnifierButton(FrameTitles, [this] { PictureClick(1); }), 3960, 360, 240, 225);
    LabelText5 = placeTwips(new QLabel(QStringLiteral("肩書（左）"), FrameTitles), 120, 840, 1095, 255);
    Text5 = placeTwips(new QLineEdit(FrameTitles), 1200, 780, 2655, 345);
    Picture2 = placeTwips(new MagnifierButton(FrameTitles, [this] { PictureClick(2); }), 3960, 840, 240, 225);

    FrameTwoLine = placeTwips(new QGroupBox(QStringLiteral("表書き２行印刷(&A)"), this), 120, 1560, 4335, 1335);
    LabelText1 = placeTwips(new QLabel(QStringLiteral("表書き（右）"), FrameTwoLine), 120, 360, 1095, 255);
    Text1 = placeTwips(new QLineEdit(FrameTwoLine), 1200, 300, 2655, 345);
    Picture3 = placeTwips(new MagnifierButton(FrameTwoLine, [this] { PictureClick(3); }), 3960, 360, 240, 225);
    LabelText2 = placeTwips(new QLabel(QStringLiteral("表書き（左）"), FrameTwoLine), 120, 840, 1095, 255);
    Text2 = placeTwips(new QLineEdit(FrameTwoLine), 1200, 780, 2655, 345);
    Picture4 = placeTwips(new MagnifierButton(FrameTwoLine, [this] { PictureClick(4); }), 3960, 840, 240, 225);

    FrameSpecial = placeTwips(new QGroupBox(QStringLiteral("特殊な表書き(&Q)"), this), 120, 3000, 4335, 975);
    Check1 = placeTwips(new QCheckBox(QStringLiteral("半紙判　タオル(&H)　"), FrameSpecial), 120, 300, 2055, 375);
    Check2 = placeTwips(new QCheckBox(QStringLiteral("切手判　お手拭(&K)"), FrameSpecial), 2280, 300, 1935, 375);

    RichTextBox1 = new rt::RichTextBox(this);
    RichTextBox1->setWidthMm(4575 / forms::TwipsPerMm);
    RichTextBox1->setHeightMm(5895 / forms::TwipsPerMm);
    // The help is longer than its place in the window: its view shows the
    // whole box like any preview, and a scroll area around the view scrolls.
    HelpArea = placeTwips(new QScrollArea(this), 4620, 120, 4575, 5895);
    HelpArea->setFrameShape(QFrame::NoFrame);
    HelpArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HelpArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichTextBox1View = previewView(RichTextBox1, HelpArea, 0, 0, 4575, 5895);
    HelpArea->setWidget(RichTextBox1View);
    fitHelpBox();

    const OkCancel buttons = makeOkCancel(this, 3240, 4200);
    Command1 = buttons.ok;
    Command2 = buttons.cancel;

    for (QLineEdit* box : {Text4, Text5, Text1, Text2})
        setImeMode(box, ImeMode::Hiragana);
    setTabOrder(Text4, Text5);
    setTabOrder(Text5, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Check1);
    setTabOrder(Check1, Check2);
    setTabOrder(Check2, Command1);
    setTabOrder(Command1, Command2);

    connect(Check1, &QCheckBox::stateChanged, this, [this] { Check1_Click(); });
    connect(Check2, &QCheckBox::stateChanged, this, [this] { Check2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    forms::EnterAsTab::install(this);
}

const QStringList& frmTextSub0::helpLines()
{
    static const QStringList lines = {
        QStringLiteral("■肩書の入力文字数によってフォントサイズが異なります。"),
        QStringLiteral("　"),
        QStringLiteral("５文字まで　　フォントサイズ　大"),
        QStringLiteral("６文字から　　フォントサイズ　中"),
        QStringLiteral("９文字から　　フォントサイズ　小"),
        QStringLiteral("(全角／半角スペースも１文字分です。)"),
        QStringLiteral("　"),
        QStringLiteral("　"),
        QStringLiteral("■文字間にスペースを挿入する場合は、入力文字数に注意してください。"),
        QStringLiteral("全体の文字数によりフォントサイズが変わります。"),
        QStringLiteral("フォントサイズを変えたくない場合は、編集印刷でスペースを挿入します。"),
        QStringLiteral("　"),
        QStringLiteral("フォントサイズを小さくしたい場合は、入力した肩書の語尾にスペースを挿入して、文字数を増やします。"),
        QStringLiteral("　"),
        QStringLiteral("フォントサイズを大きくしたい場合は、編集印刷でフォントサイズを変更します。"),
        QStringLiteral("　　"),
        QStringLiteral("編集印刷でフォントサイズを大幅に変更した場合は、「表書き」の印字位置が左右に移動します。下記の調整を行います。"),
        QStringLiteral("　"),
        QStringLiteral("［　移動したい文字の前の行に空白の行を挿入（Enter Keyで改行）することで印字位置を（左）に移動できます。］"),
        QStringLiteral("　"),
        QStringLiteral("［　移動したい文字の前の行を削除（BS Key）することで、印字位置を（右）に移動できます。］"),
        QStringLiteral("　"),
        QStringLiteral("　"),
        QStringLiteral("■特殊な表書きのサンプルファイルが登録されていますが、ユーザー様ご自身で作成してください。　ファイル名は[Sample1.nd1]です。"),
        QStringLiteral("　"),
    };
    return lines;
}

void frmTextSub0::Form_Load()
{
    RichTextBox1->setSelFontSize(9);
    RichTextBox1->setSelColor(vb::Rgb(0, 0, 64));
    RichTextBox1->setSelBold(false);
    for (const QString& line : helpLines())
        RichTextBox1->setSelText(line + QStringLiteral("\r\n"));
    RichTextBox1->setSelStart(0);
    fitHelpBox();
}

void frmTextSub0::fitHelpBox()
{
    // The box is as wide as the area beside its scroll bar and as tall as its
    // text; the view shows all of it.
    const double dotsPerMm = RichTextBox1View->dotsPerMm();
    const int frame = RichTextBox1View->frameWidth();
    const int scrollBar = HelpArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, HelpArea);
    const int widthPx = HelpArea->width() - scrollBar;
    RichTextBox1->setWidthMm((widthPx - 2 * frame) / dotsPerMm);
    const double placeMm = (HelpArea->height() - 2 * frame) / dotsPerMm;
    RichTextBox1->setHeightMm(std::max(placeMm, RichTextBox1->layout()->extentMm()));
    RichTextBox1View->resize(widthPx, int(std::ceil(RichTextBox1->heightMm() * dotsPerMm)) + 2 * frame);
}

void frmTextSub0::Check1_Click()
{
    if (forms::checkValue(Check1) == 1)
        forms::setCheckValue(Check2, 0);
}

void frmTextSub0::Check2_Click()
{
    if (forms::checkValue(Check2) == 1)
        forms::setCheckValue(Check1, 0);
}

void frmTextSub0::Command1_Click()
{
    if (forms::checkValue(Check1) == 1)
        forms::setText(main_->Combo2, QStringLiteral("タオル"));
    if (forms::checkValue(Check2) == 1)
        forms::setText(main_->Combo2, QStringLiteral("お手拭"));
    // A two-line inscription takes the place of the one-line box.
    const bool twoLine = !Text1->text().isEmpty() || !Text2->text().isEmpty();
    main_->Combo2->setEnabled(!twoLine);
    main_->Label2->setEnabled(!twoLine);
    main_->Label7->setVisible(twoLine);
    if (twoLine)
        forms::setText(main_->Combo2, QString());
    if (!Text4->text().isEmpty() || !Text5->text().isEmpty())
        main_->Label7->setVisible(true);
    accept(); // hides; the boxes stay readable
}

void frmTextSub0::Command2_Click() { unload(); }

void frmTextSub0::Form_Unload(bool& cancel)
{
    Q_UNUSED(cancel);
    // The one-line box comes back; its text stays as an earlier OK left it.
    main_->Combo2->setEnabled(true);
    main_->Label2->setEnabled(true);
    main_->Label7->setVisible(false);
}

void frmTextSub0::PictureClick(int index)
{
    const QLineEdit* boxes[] = {Text4, Text5, Text1, Text2};
    if (index < 1 || index > 4)
        return;
    showMagnifier(boxes[index - 1]->text(), main_->Combo4->currentText());
}

} // namespace app
