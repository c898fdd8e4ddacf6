#include "config/WizardSizePage.h"

#include "config/ListFollow.h"
#include "config/SettingsHost.h"
#include "config/SizeWidgets.h"
#include "config/TemplateSearch.h"
#include "model/LiveStore.h"
#include "model/TemplateCatalogue.h"
#include "platform/forms/Controls.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/forms/UpDown.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace config {

frmSetupWiz2::frmSetupWiz2(SetupWizard& wizard)
    : WizardPage(wizard, Caption, QStringLiteral("初期設定ウィザード　３／５"))
{
    Label1 = new QLabel(QStringLiteral("ひな形の選択(&C)"), this);
    Label5 = new QLabel(QStringLiteral("サイズ（　横×縦　）　　　　　　品　　番"), this);
    Combo1 = new QComboBox(this);
    // Editable: the template search writes a row text of its own.
    forms::makeEditableList(Combo1);
    Combo1->setMaxVisibleItems(20);
    Combo1->setMinimumWidth(380);
    Label1->setBuddy(Combo1);
    Label4 = new QLabel(QStringLiteral("ひな形は、のし紙の縦のサイズを基準に選択して下さい。"), this);
    Text4 = new QLineEdit(this);
    Text4->hide();
    Command17 = new QPushButton(QStringLiteral("雛形の検索(&S)"), this);
    Command17->setAutoDefault(false);

    Label3 = new QLabel(QStringLiteral("のし紙サイズのユーザ登録名(&U)"), this);
    Text5 = new QLineEdit(this);
    Text5->setToolTip(QStringLiteral("オリジナル名に変更して登録できます"));
    app::setImeMode(Text5, app::ImeMode::Hiragana);
    Label3->setBuddy(Text5);
    Label10 = new QLabel(QStringLiteral("「オリジナル祝のし」等、全角２５文字以内で入力して下さい。"), this);

    auto* sizeGroup = new QGroupBox(QStringLiteral("のし紙サイズ（単位：ミリメートル）"), this);
    Text1 = new QLineEdit(QStringLiteral("設定できないサイズです。"), sizeGroup);
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setFrame(false);
    makeWarning(Text1);
    const SizeBoxes boxes = fillSizeGroup(sizeGroup, Text1);
    Text20 = boxes.width;
    UpDown2 = boxes.widthSpin;
    Text21 = boxes.height;
    UpDown3 = boxes.heightSpin;
    Label22 = boxes.heightWarning;

    Label6 = new QLabel(QStringLiteral("登録完了"), this);
    Label6->setStyleSheet(QStringLiteral("color: blue"));
    Label6->hide();
    Command5 = new QPushButton(QStringLiteral("登　　録(&I)"), this);
    Command5->setAutoDefault(false);

    auto* deleteGroup = new QGroupBox(QStringLiteral("のし紙サイズの削除(&D)"), this);
    auto* deleteHint = new QLabel(QStringLiteral("登録済みののし紙サイズを削除します。"), deleteGroup);
    Combo10 = new QComboBox(deleteGroup);
    forms::makeEditableList(Combo10);
    Combo10->setMinimumWidth(260);
    Command7 = new QPushButton(QStringLiteral("削　除(&K)"), deleteGroup);
    Command7->setAutoDefault(false);
    auto* deleteGrid = new QGridLayout(deleteGroup);
    deleteGrid->addWidget(deleteHint, 0, 0, 1, 2);
    deleteGrid->addWidget(Combo10, 1, 0);
    deleteGrid->addWidget(Command7, 1, 1);
    deleteGrid->setColumnStretch(2, 1);

    auto* grid = new QGridLayout;
    grid->addLayout(lineUpTemplateList(Combo1, Label1, Label5), 0, 0, 1, 3);
    grid->addWidget(Combo1, 1, 0, 1, 2);
    grid->addWidget(Command17, 1, 2);
    grid->addWidget(Label4, 2, 0, 1, 3);
    grid->addWidget(Label3, 3, 0, 1, 2);
    grid->addWidget(Text5, 4, 0, 1, 2);
    grid->addWidget(Label10, 5, 0, 1, 3);
    grid->addWidget(sizeGroup, 6, 0, 1, 3);
    grid->addWidget(Label6, 7, 0);
    grid->addWidget(Command5, 7, 2);
    grid->addWidget(deleteGroup, 8, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    content()->addLayout(grid);
    content()->addStretch();

    const Navigation nav = addNavigation([this] { Command15_Click(); }, [this] { Command1_Click(); });
    Command15 = nav.back;
    Command1 = nav.next;
    resize(780, 600);

    SizeEntryRules rules;
    rules.firstTemplateRow = 0;
    rules.heightTolerance = 3;
    rules.testTemplateNamesItself = true;
    sizes_ = std::make_unique<SizeRegistration>(entryControls(), std::move(rules), wizard.lists());

    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Command17, &QPushButton::clicked, this, [this] { Command17_Click(); });
    connect(UpDown2, &QScrollBar::valueChanged, this, [this] { UpDown2_Change(); });
    connect(UpDown3, &QScrollBar::valueChanged, this, [this] { UpDown3_Change(); });
}

frmSetupWiz2::~frmSetupWiz2() = default;

SizeEntryControls frmSetupWiz2::entryControls() const
{
    return {Combo1, Text4, Text5, Text20, Text21, Text1, Label22, Label6, Combo10};
}

void frmSetupWiz2::Form_Load()
{
    sizes_->rebuildPageLists();
    // Every template, the test sheet of row 0 and the catalogue numbers included.
    const app::BuiltinTemplateCatalogue& cat = app::catalogue();
    QStringList items;
    for (int i : cat.filledRows(0))
        items << cat.row(i).TemplateName;
    forms::refillList(Combo1, items);
}

void frmSetupWiz2::followStore(app::StoreChange what)
{
    if (what == app::StoreChange::Sizes)
        followList(Combo10, app::store().sizeNames());
}

void frmSetupWiz2::Combo1_Click() { sizes_->ChooseTemplate(); }
void frmSetupWiz2::Command5_Click() { sizes_->RegisterSize(); }
void frmSetupWiz2::Command7_Click() { sizes_->DeleteSizeByName(); }
void frmSetupWiz2::Command17_Click() { ShowTemplateSearch(this, entryControls()); }
void frmSetupWiz2::UpDown2_Change() { sizes_->CheckWidth(); }
void frmSetupWiz2::UpDown3_Change() { sizes_->CheckHeight(); }
void frmSetupWiz2::Command1_Click() { wizard_.go(this, SetupWizard::Step::Omote); }
void frmSetupWiz2::Command15_Click() { wizard_.go(this, SetupWizard::Step::Printer); }

} // namespace config
