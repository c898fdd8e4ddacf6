#include "config/WizardOmotePage.h"

#include "config/ListFollow.h"
#include "model/LiveStore.h"

#include "config/SettingsHost.h"
#include "config/StandardOmote.h"
#include "platform/forms/Controls.h"
#include "platform/forms/SimpleCombo.h"
#include "platform/vb/VbNum.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace config {

frmSetupWiz3::frmSetupWiz3(SetupWizard& wizard)
    : WizardPage(wizard, Caption, QStringLiteral("初期設定ウィザード　４／５"))
{
    Label3 = pageLabel();
    auto* registerFrame = new QGroupBox(this);
    Label2 = new QLabel(QStringLiteral("表書きの選択(&S)"), registerFrame);
    Combo2 = new forms::SimpleCombo(registerFrame);
    Combo2->setMinimumSize(200, 220);
    Label2->setBuddy(Combo2);
    Label10 = new QLabel(QStringLiteral("登録する表書き(&A)"), registerFrame);
    Text10 = new QLineEdit(registerFrame);
    Text10->setToolTip(
        QStringLiteral("リストに登録する表書きがない場合は、このテキスト欄に直接入力します。（５文字以内）"));
    Label10->setBuddy(Text10);
    Command11 = new QPushButton(QStringLiteral("登録(&I)"), registerFrame);
    Command11->setAutoDefault(false);
    Label16 = new QLabel(QStringLiteral("登録完了"), registerFrame);
    Label16->setStyleSheet(QStringLiteral("color: blue"));
    Label16->hide();
    Label1 = new QLabel(
        QStringLiteral("リストに該当する表書きがない場合は、「登録する表書き（Ａ）」に表書きを入力してください。"),
        registerFrame);
    Label1->setWordWrap(true);
    auto* reg = new QGridLayout(registerFrame);
    reg->addWidget(Label2, 0, 0);
    reg->addWidget(Combo2, 1, 0, 4, 1);
    reg->addWidget(Label10, 1, 1);
    reg->addWidget(Text10, 2, 1);
    reg->addWidget(Command11, 2, 2);
    reg->addWidget(Label16, 3, 1, 1, 2);
    reg->addWidget(Label1, 5, 0, 1, 3);
    reg->setColumnStretch(1, 1);
    reg->setRowStretch(4, 1);

    auto* deleteFrame = new QGroupBox(QStringLiteral("表書きの削除(&D)"), this);
    Combo1 = new QComboBox(deleteFrame);
    forms::makeEditableList(Combo1);
    Combo1->setMinimumWidth(220);
    Command13 = new QPushButton(QStringLiteral("削　除(&K)"), deleteFrame);
    Command13->setAutoDefault(false);
    auto* del = new QGridLayout(deleteFrame);
    del->addWidget(Combo1, 0, 0);
    del->addWidget(Command13, 0, 1);
    del->setColumnStretch(2, 1);

    content()->addWidget(registerFrame, 1);
    content()->addWidget(deleteFrame);

    const Navigation nav = addNavigation([this] { Command2_Click(); }, [this] { Command1_Click(); });
    Command2 = nav.back;
    Command1 = nav.next;
    resize(760, 540);

    ops_ = std::make_unique<OmoteRegistration>(OmoteEntryControls{Text10, Combo1, Label16}, wizard.lists());

    connect(Combo2, &forms::SimpleCombo::clicked, this, [this] { Combo2_Click(); });
    connect(Combo2, &forms::SimpleCombo::doubleClicked, this, [this] { Combo2_DblClick(); });
    connect(Combo2, &forms::SimpleCombo::focusLeft, this, [this] { Combo2_LostFocus(); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(Command13, &QPushButton::clicked, this, [this] { Command13_Click(); });
}

frmSetupWiz3::~frmSetupWiz3() = default;

void frmSetupWiz3::Form_Load()
{
    ops_->fillDeleteList();
    Combo2->clear();
    Combo2->addItems(StandardOmoteList());
}

void frmSetupWiz3::followStore(app::StoreChange what)
{
    if (what == app::StoreChange::Omotes)
        followList(Combo1, app::store().OmoteList());
}

void frmSetupWiz3::Combo2_Click()
{
    Label16->hide();
    forms::setText(Text10, vb::TrimBoth(Combo2->currentText()));
}

void frmSetupWiz3::Combo2_DblClick()
{
    Label16->hide();
    if (Combo2->currentText().isEmpty())
        return;
    forms::setText(Text10, vb::TrimBoth(Combo2->currentText()));
    ops_->RegisterOmote();
}

void frmSetupWiz3::Combo2_LostFocus()
{
    Label16->hide();
    // A text typed with a leading full-width blank is taken as a standard
    // slot: the five characters after the blank.
    const QString t = Combo2->currentText();
    if (t.startsWith(QChar(0x3000)))
        forms::setText(Text10, vb::TrimBoth(t.mid(1, 5)));
}

void frmSetupWiz3::Command11_Click() { ops_->RegisterOmote(); }
void frmSetupWiz3::Command13_Click() { ops_->DeleteOmote(); }
void frmSetupWiz3::Command1_Click() { wizard_.go(this, SetupWizard::Step::Summary); }
void frmSetupWiz3::Command2_Click() { wizard_.go(this, SetupWizard::Step::Size); }

} // namespace config
