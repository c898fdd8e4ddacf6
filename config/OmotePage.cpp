#include "config/OmotePage.h"

#include "config/ListFollow.h"
#include "config/StandardOmote.h"
#include "model/LiveStore.h"
#include "platform/forms/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace config {

OmotePage::OmotePage(Noshisettei& dialog) : SettingsTab(dialog)
{
    auto* registerFrame = new QGroupBox(this);
    auto* standardLabel = new QLabel(QStringLiteral("表書き(&M)"), registerFrame);
    Combo1 = new QComboBox(registerFrame);
    Combo1->setMaxVisibleItems(20);
    Combo1->setMinimumWidth(220);
    standardLabel->setBuddy(Combo1);
    auto* textLabel = new QLabel(QStringLiteral("登録する表書き(&A)"), registerFrame);
    Text10 = new QLineEdit(registerFrame);
    textLabel->setBuddy(Text10);
    Command11 = new QPushButton(QStringLiteral("登録(&I)"), registerFrame);
    auto* hint = new QLabel(
        QStringLiteral("リストに該当する表書きがない場合は、「登録する表書き」に表書きを入力してください。"), registerFrame);
    hint->setWordWrap(true);
    Label17 = new QLabel(QStringLiteral("登録完了"), registerFrame);
    Label17->hide();
    auto* reg = new QGridLayout(registerFrame);
    reg->addWidget(standardLabel, 0, 0);
    reg->addWidget(Combo1, 0, 1);
    reg->addWidget(textLabel, 1, 0);
    reg->addWidget(Text10, 1, 1);
    reg->addWidget(Command11, 1, 2);
    reg->addWidget(hint, 2, 0, 1, 4);
    reg->setColumnStretch(3, 1);

    auto* deleteFrame = new QGroupBox(this);
    auto* deleteLabel = new QLabel(QStringLiteral("表書きの削除(&O)"), deleteFrame);
    Combo5 = new QComboBox(deleteFrame);
    forms::makeEditableList(Combo5);
    Combo5->setMinimumWidth(220);
    deleteLabel->setBuddy(Combo5);
    Command13 = new QPushButton(QStringLiteral("削除(&K)"), deleteFrame);
    auto* del = new QGridLayout(deleteFrame);
    del->addWidget(deleteLabel, 0, 0);
    del->addWidget(Combo5, 0, 1);
    del->addWidget(Command13, 0, 2);
    del->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(registerFrame);
    layout->addWidget(deleteFrame);
    layout->addStretch();

    ops_ = std::make_unique<OmoteRegistration>(OmoteEntryControls{Text10, Combo5, nullptr}, dialog.host());
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(Command13, &QPushButton::clicked, this, [this] { Command13_Click(); });
}

void OmotePage::loadTab()
{
    ops_->fillDeleteList();
    forms::refillList(Combo1, StandardOmoteList());
}

void OmotePage::followStore(app::StoreChange what)
{
    if (what == app::StoreChange::Omotes)
        followList(Combo5, app::store().OmoteList());
}

void OmotePage::Combo1_Click() { forms::setText(Text10, Combo1->currentText()); }
void OmotePage::Command11_Click() { ops_->RegisterOmote(); }
void OmotePage::Command13_Click() { ops_->DeleteOmote(); }

} // namespace config
