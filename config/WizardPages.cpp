#include "config/WizardPages.h"

#include "config/ListFollow.h"
#include "config/SizeWidgets.h"
#include "config/WizardArt.h"
#include "model/LiveStore.h"
#include "platform/forms/Controls.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace config {

namespace {

const QString DefaultPrintFont = QStringLiteral("ＭＳ 明朝");

QLineEdit* sampleBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignCenter);
    box->setMinimumHeight(44);
    return box;
}

void drawSample(QLineEdit* box, const QString& family, const QString& text)
{
    QFont f(family);
    f.setPointSize(20);
    box->setFont(f);
    box->setText(text);
}

QLineEdit* readOnlyBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    return box;
}

} // namespace

// ---------------------------------------------------------------- welcome

frmSplash::frmSplash(SetupWizard& wizard) : forms::Form(nullptr), wizard_(wizard)
{
    setWindowFlag(Qt::WindowTitleHint, false);
    setWindowTitle(QString());
    Picture1 = new WizardPicture(WizardPicture::Kind::Sheet, this);
    Picture1->setFixedSize(150, 230);
    Picture2 = new WizardPicture(WizardPicture::Kind::Knot, this);
    Picture2->setFixedHeight(100);
    auto* title = new QLabel(QStringLiteral("初期設定ウィザード"), this);
    QFont tf = title->font();
    tf.setBold(true);
    tf.setPointSizeF(tf.pointSizeF() * 1.6);
    title->setFont(tf);
    // One caption: the blanks push the second sentence onto a line of its own.
    Label7 = new QLabel(QStringLiteral("はじめに初期設定を行います。") + QString(29, QChar(0x3000))
                            + QStringLiteral("初期設定ウィザードは、画面のメッセージにしたがって一連の設定ができます。"),
                        this);
    Label7->setWordWrap(true);
    Label7->setFixedWidth(380);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    Command2 = new QPushButton(QStringLiteral("次へ(&N) >"), this);
    Command2->setDefault(true);
    Command1 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    Command1->setAutoDefault(false);

    auto* right = new QVBoxLayout;
    right->addWidget(title);
    right->addWidget(Picture2);
    right->addWidget(Label7);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(Picture1);
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top, 1);
    outer->addWidget(line);
    outer->addLayout(buttons);

    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmSplash::Form_Load() { wizard_.main().setStatusText(SetupWizard::Running); }

void frmSplash::Command2_Click()
{
    SetupWizard& wizard = wizard_;
    unload();
    wizard.go(nullptr, SetupWizard::Step::Font);
}

void frmSplash::Command1_Click()
{
    wizard_.main().setStatusText(QString());
    unload();
}

// ---------------------------------------------------------------- 1/5 font

frmSetupWiz7::frmSetupWiz7(SetupWizard& wizard)
    : WizardPage(wizard, Caption, QStringLiteral("初期設定ウィザード　１／５"))
{
    Label2 = pageLabel();
    auto* chooseFrame = new QGroupBox(QStringLiteral("書体は必ず固定長のフォントを選択してください。"), this);
    Command1 = new QPushButton(QStringLiteral("ﾌｫﾝﾄの変更(&F)"), chooseFrame);
    Command1->setAutoDefault(false);
    Label8 = new QLabel(QStringLiteral("選択された書体（フォント）"), chooseFrame);
    Text9 = readOnlyBox(chooseFrame);
    auto* chooseGrid = new QGridLayout(chooseFrame);
    chooseGrid->addWidget(Command1, 0, 0);
    chooseGrid->addWidget(Label8, 1, 0);
    chooseGrid->addWidget(Text9, 1, 1);
    chooseGrid->setColumnStretch(1, 1);

    auto* sampleFrame = new QGroupBox(QStringLiteral("サンプル"), this);
    Text4 = sampleBox(sampleFrame);
    Text1 = sampleBox(sampleFrame);
    Text2 = sampleBox(sampleFrame);
    Text3 = sampleBox(sampleFrame);
    Text5 = readOnlyBox(sampleFrame);
    Text5->setFocusPolicy(Qt::NoFocus);
    auto* sampleGrid = new QGridLayout(sampleFrame);
    sampleGrid->addWidget(Text4, 0, 0, 1, 3);
    sampleGrid->addWidget(Text1, 1, 0);
    sampleGrid->addWidget(Text2, 1, 1);
    sampleGrid->addWidget(Text3, 1, 2);
    sampleGrid->addWidget(Text5, 2, 0, 1, 3);

    content()->addWidget(chooseFrame);
    content()->addWidget(sampleFrame);
    content()->addStretch();

    const Navigation nav = addNavigation([this] { Command2_Click(); }, [this] { Command4_Click(); });
    Command2 = nav.back;
    Command4 = nav.next;
    resize(700, 470);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmSetupWiz7::Form_Load()
{
    wizard_.WizardFontName = uprightFontName(wizard_.main().printFont());
    if (!wizard_.WizardFontName.isEmpty()) {
        Text9->setText(wizard_.WizardFontName);
        Text5->setText(wizard_.WizardFontName);
    } else {
        // No font yet: the box suggests one, but next still asks for a choice.
        Text9->setText(DefaultPrintFont);
    }
    Text5->setText(uprightFontName(Text5->text()));
    drawSamples();
}

void frmSetupWiz7::drawSamples()
{
    drawSample(Text4, Text9->text(), QStringLiteral("あぁアァ亜字"));
    drawSample(Text1, Text5->text(), QStringLiteral("御中元"));
    drawSample(Text2, Text5->text(), QStringLiteral("御歳暮"));
    drawSample(Text3, Text5->text(), QStringLiteral("亜　字"));
}

void frmSetupWiz7::Command1_Click()
{
    // Nothing preset, no effects: only the name is asked for.
    const auto chosen = ui::ChooseFont(ui::FontChoice(), false);
    if (!chosen || chosen->name.isEmpty()) {
        Text4->setText(QStringLiteral(" "));
        return;
    }
    // The vertical variant of a font is recorded by its plain name.
    wizard_.WizardFontName = uprightFontName(chosen->name);
    Text5->setText(uprightFontName(chosen->name));
    Text9->setText(wizard_.WizardFontName);
    drawSamples();
    Command4->setFocus();
    wizard_.main().setPrintFont(wizard_.WizardFontName);
}

void frmSetupWiz7::Command4_Click()
{
    if (wizard_.WizardFontName.isEmpty()) {
        ui::MsgBox(QStringLiteral("フォントを選択して下さい。"), ui::Buttons::Ok, ui::Icon::Information,
                   ui::InputCheckTitle);
        return;
    }
    wizard_.go(this, SetupWizard::Step::Printer);
}

void frmSetupWiz7::Command2_Click() { wizard_.go(this, SetupWizard::Step::Welcome); }

// ---------------------------------------------------------------- 5/5 summary

frmSetupWiz5::frmSetupWiz5(SetupWizard& wizard)
    : WizardPage(wizard, Caption, QStringLiteral("初期設定ウィザード　５／５"))
{
    Label3 = pageLabel();
    auto* gridFrame = new QGroupBox(QStringLiteral("登録されたのし紙サイズ(&S)"), this);
    MSFlexGrid1 = makeSizeTable(gridFrame);
    auto* gridBox = new QVBoxLayout(gridFrame);
    gridBox->addWidget(MSFlexGrid1);

    auto* omoteFrame = new QGroupBox(QStringLiteral("登録された表書き"), this);
    List2 = new QListWidget(omoteFrame);
    List2->setFixedWidth(150);
    auto* omoteBox = new QVBoxLayout(omoteFrame);
    omoteBox->addWidget(List2);

    auto* fontFrame = new QGroupBox(QStringLiteral("登録された書体（フォント）"), this);
    Text2 = readOnlyBox(fontFrame);
    auto* fontBox = new QVBoxLayout(fontFrame);
    fontBox->addWidget(Text2);

    auto* colourFrame = new QGroupBox(QStringLiteral("登録された薄墨印刷の文字色"), this);
    Text7 = readOnlyBox(colourFrame);
    Text7->setFocusPolicy(Qt::NoFocus);
    Text7->setFixedWidth(80);
    auto* colourBox = new QVBoxLayout(colourFrame);
    colourBox->addWidget(Text7);

    auto* lists = new QHBoxLayout;
    lists->addWidget(gridFrame, 1);
    lists->addWidget(omoteFrame, 0);
    auto* lower = new QHBoxLayout;
    lower->addWidget(fontFrame, 1);
    lower->addWidget(colourFrame);
    content()->addLayout(lists, 1);
    content()->addLayout(lower);

    const Navigation nav = addNavigation([this] { Command2_Click(); }, [this] { Command1_Click(); }, false,
                                         QStringLiteral("完了(&F) "));
    Command2 = nav.back;
    Command1 = nav.next;
    resize(960, 480);
}

void frmSetupWiz5::Form_Load()
{
    Text2->setText(wizard_.WizardFontName);
    List2->clear();
    List2->addItems(app::store().OmoteList());
    fillGrid();
    const QColor c = vb::ToQColor(app::store().UsuzumiColor);
    Text7->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; }").arg(c.name()));
}

void frmSetupWiz5::fillGrid()
{
    fillSizeTable(MSFlexGrid1, {QStringLiteral("　のし紙サイズ名　　"), QStringLiteral("　使用するひな形　　"),
                                QStringLiteral("　のし紙サイズ（横）"), QStringLiteral("　のし紙サイズ（縦）"),
                                QString(8, QChar(0x3000))});
}

void frmSetupWiz5::followStore(app::StoreChange what)
{
    if (what == app::StoreChange::Omotes)
        followList(List2, app::store().OmoteList());
    else if (!sizeTableShowsStore(MSFlexGrid1))
        fillGrid();
}

void frmSetupWiz5::Command1_Click()
{
    wizard_.main().setStatusText(QString());
    unload();
}

void frmSetupWiz5::Command2_Click() { wizard_.go(this, SetupWizard::Step::Omote); }

} // namespace config
