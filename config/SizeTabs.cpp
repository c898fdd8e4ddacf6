#include "config/SizeTabs.h"

#include "model/LiveStore.h"
#include "model/TemplateCatalogue.h"
#include "config/ListFollow.h"
#include "config/SizeWidgets.h"
#include "config/TemplateSearch.h"
#include "platform/forms/Controls.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/forms/UpDown.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace config {


// --- registration tab ---

SizeRegistrationPage::SizeRegistrationPage(Noshisettei& dialog) : SettingsTab(dialog)
{
    Label16 = new QLabel(QStringLiteral("ひな形(&B)"), this);
    Combo4 = new QComboBox(this);
    // Editable: the template search writes a full row text that is no item of the list.
    forms::makeEditableList(Combo4);
    Combo4->setToolTip(QStringLiteral("ひな形は、のし紙の縦のサイズを基準に選択して下さい。"));
    Combo4->setMinimumWidth(300);
    Label16->setBuddy(Combo4);
    Label32 = new QLabel(QStringLiteral("サイズ（　横×縦　）"), this);
    Text4 = new QLineEdit(this);
    Text4->hide();

    Label11 = new QLabel(QStringLiteral("のし紙サイズのユーザ登録名(&U)"), this);
    Text5 = new QLineEdit(this);
    Text5->setToolTip(QStringLiteral("オリジナル名に変更して登録できます"));
    app::setImeMode(Text5, app::ImeMode::Hiragana);
    Label11->setBuddy(Text5);
    Label30 = new QLabel(QStringLiteral("全角２５文字以内で入力して下さい。"), this);

    auto* sizeGroup = new QGroupBox(QStringLiteral("のし紙サイズ（単位：ミリメートル）(&L)"), this);
    Label25 = sizeWarning(QStringLiteral("設定できないサイズです。"), sizeGroup);
    const SizeBoxes boxes = fillSizeGroup(sizeGroup, Label25);
    Label8 = boxes.widthLabel;
    Text20 = boxes.width;
    UpDown2 = boxes.widthSpin;
    Label21 = boxes.heightLabel;
    Text21 = boxes.height;
    UpDown3 = boxes.heightSpin;
    Label22 = boxes.heightWarning;

    Label12 = new QLabel(QStringLiteral("登録完了"), this);
    Label12->setStyleSheet(QStringLiteral("color: blue"));
    Label12->hide();
    Command7 = new QPushButton(QStringLiteral("登録(&I)"), this);
    Command17 = new QPushButton(QStringLiteral("雛形の検索(&S)"), this);

    auto* deleteGroup = new QGroupBox(this);
    Label33 = new QLabel(QStringLiteral("のし紙サイズの削除(&D)"), deleteGroup);
    Combo10 = new QComboBox(deleteGroup);
    forms::makeEditableList(Combo10);
    Combo10->setMinimumWidth(260);
    Label33->setBuddy(Combo10);
    auto* deleteHint = new QLabel(QStringLiteral("登録済みののし紙サイズを削除します。"), deleteGroup);
    Command8 = new QPushButton(QStringLiteral("削除(&K)"), deleteGroup);
    auto* deleteGrid = new QGridLayout(deleteGroup);
    deleteGrid->addWidget(Label33, 0, 0, 1, 2);
    deleteGrid->addWidget(deleteHint, 1, 0, 1, 2);
    deleteGrid->addWidget(Combo10, 2, 0);
    deleteGrid->addWidget(Command8, 2, 1);
    deleteGrid->setColumnStretch(2, 1);

    auto* grid = new QGridLayout;
    grid->addLayout(lineUpTemplateList(Combo4, Label16, Label32), 0, 0, 1, 2);
    grid->addWidget(Combo4, 1, 0, 1, 2);
    grid->addWidget(Command17, 1, 2);
    grid->addWidget(Label11, 2, 0, 1, 2);
    grid->addWidget(Text5, 3, 0, 1, 2);
    grid->addWidget(Label30, 4, 0, 1, 2);
    grid->addWidget(sizeGroup, 5, 0, 1, 3);
    grid->addWidget(Label12, 6, 0);
    grid->addWidget(Command7, 6, 2);
    grid->addWidget(deleteGroup, 7, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();

    connect(Combo4, &QComboBox::activated, this, [this] { Combo4_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command17, &QPushButton::clicked, this, [this] { Command17_Click(); });
    connect(UpDown2, &QScrollBar::valueChanged, this, [this] { UpDown2_Change(); });
    connect(UpDown3, &QScrollBar::valueChanged, this, [this] { UpDown3_Change(); });
}

SizeEntryControls SizeRegistrationPage::entryControls() const
{
    return {Combo4, Text4, Text5, Text20, Text21, Label25, Label22, Label12, Combo10};
}

void SizeRegistrationPage::loadTab()
{
    forms::refillList(Combo10, app::store().sizeNames());
    FillTemplateCombo();
}

void SizeRegistrationPage::followStore(app::StoreChange what)
{
    if (what == app::StoreChange::Sizes)
        followList(Combo10, app::store().sizeNames());
}

void SizeRegistrationPage::FillTemplateCombo()
{
    const app::BuiltinTemplateCatalogue& cat = app::catalogue();
    QStringList items;
    for (int i : cat.filledRows())
        items << cat.row(i).TemplateName.left(16);
    forms::refillList(Combo4, items);
}

void SizeRegistrationPage::Combo4_Click() { dialog_.sizes().ChooseTemplate(); }
void SizeRegistrationPage::Command7_Click() { dialog_.sizes().RegisterSize(); }
void SizeRegistrationPage::Command8_Click() { dialog_.sizes().DeleteSizeByName(); }
void SizeRegistrationPage::Command17_Click() { ShowTemplateSearch(this, entryControls()); }
void SizeRegistrationPage::UpDown2_Change() { dialog_.sizes().CheckWidth(); }
void SizeRegistrationPage::UpDown3_Change() { dialog_.sizes().CheckHeight(); }

// --- status tab ---

SizeStatusPage::SizeStatusPage(Noshisettei& dialog) : SettingsTab(dialog)
{
    auto* gridGroup = new QGroupBox(QStringLiteral("登録されたのし紙サイズ(&S)"), this);
    MSFlexGrid1 = makeSizeTable(gridGroup);
    MSFlexGrid1->setMinimumHeight(220);
    auto* gridBox = new QVBoxLayout(gridGroup);
    gridBox->addWidget(MSFlexGrid1);

    auto* nameLabel = new QLabel(QStringLiteral("のし紙サイズ名"), this);
    Text3 = new QLineEdit(this);
    app::setImeMode(Text3, app::ImeMode::Hiragana);
    auto* widthLabel = new QLabel(QStringLiteral("のし紙サイズ（横）"), this);
    Text6 = millimetreBox(this);
    auto* heightLabel = new QLabel(QStringLiteral("のし紙サイズ（縦）"), this);
    Text9 = millimetreBox(this);
    Command16 = new QPushButton(QStringLiteral("更新(&C)"), this);
    Command16->setToolTip(QStringLiteral("登録内容を変更します"));
    Command21 = new QPushButton(QStringLiteral("削除(&K)"), this);

    auto* edit = new QGridLayout;
    edit->addWidget(nameLabel, 0, 0);
    edit->addWidget(widthLabel, 0, 1);
    edit->addWidget(heightLabel, 0, 2);
    edit->addWidget(Text3, 1, 0);
    edit->addWidget(Text6, 1, 1);
    edit->addWidget(Text9, 1, 2);
    edit->addWidget(Command16, 1, 3);
    edit->addWidget(Command21, 1, 4);
    edit->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridGroup, 1);
    layout->addLayout(edit);

    connect(MSFlexGrid1, &QTableWidget::cellClicked, this, [this] { MSFlexGrid1_Click(); });
    connect(Command16, &QPushButton::clicked, this, [this] { Command16_Click(); });
    connect(Command21, &QPushButton::clicked, this, [this] { Command21_Click(); });
}

void SizeStatusPage::loadTab() { FillSizeGrid(); }
void SizeStatusPage::followStore(app::StoreChange what)
{
    // Offsets are not shown: a change of them leaves the grid and the boxes.
    if (what == app::StoreChange::Sizes && !sizeTableShowsStore(MSFlexGrid1))
        FillSizeGrid();
}
void SizeStatusPage::sizesRebuilt() { FillSizeGrid(); }

void SizeStatusPage::FillSizeGrid()
{
    fillSizeTable(MSFlexGrid1, {QStringLiteral("　のし紙サイズ名　　　　"), QStringLiteral("　使用するひな形　　　"),
                                QStringLiteral("　のし紙サイズ（横）"), QStringLiteral("　のし紙サイズ（縦）"),
                                QString(8, QChar(0x3000))});
    const app::LiveStore& st = app::store();
    // The grid's current row starts at the first size, as the update reads it.
    if (st.RegSizeCount() > 0)
        MSFlexGrid1->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    for (QLineEdit* box : {Text3, Text6, Text9})
        forms::setText(box, QString());
}

void SizeStatusPage::MSFlexGrid1_Click()
{
    const int row = MSFlexGrid1->currentRow();
    if (row < 0 || row >= app::store().RegSizeCount())
        return;
    const app::RegisteredSize& z = app::store().size(row);
    forms::setText(Text3, z.RegSizeName[0]);
    forms::setText(Text6, QString::number(z.RegSizeWidth));
    forms::setText(Text9, QString::number(z.RegSizeHeight));
}

void SizeStatusPage::Command16_Click()
{
    dialog_.sizes().UpdateSize(MSFlexGrid1->currentRow(), Text3->text(), Text6->text(), Text9->text());
}

void SizeStatusPage::Command21_Click() { dialog_.sizes().DeleteSizeConfirmed(Text3->text()); }

} // namespace config
