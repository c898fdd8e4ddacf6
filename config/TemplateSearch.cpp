#include "config/TemplateSearch.h"

#include "model/LiveStore.h"
#include "model/TemplateCatalogue.h"
#include "platform/forms/Controls.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"
#include "platform/run/RunState.h"

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

namespace {


QString fullWidthBlanks(int n) { return QString(n, QChar(0x3000)); }

// The grid's header captions, blanks included.
QStringList headerCaptions()
{
    return {QStringLiteral("　雛形名") + fullWidthBlanks(17), QStringLiteral("のし紙サイズ（横）"),
            QStringLiteral("のし紙サイズ（縦）"), fullWidthBlanks(8)};
}

} // namespace

TemplateSearchResult TemplateSearch(double height)
{
    const app::BuiltinTemplateCatalogue& cat = app::catalogue();
    TemplateSearchResult result;
    const std::pair<double, double> passes[] = {{5, 5}, {10, 5}, {25, 25}};
    for (const auto& [below, above] : passes) {
        const double lo = vb::RoundHalfEven(height - below);
        const double hi = vb::RoundHalfEven(height + above);
        for (int i : cat.filledRows()) {
            const app::BuiltinTemplate& t = cat.row(i);
            if (lo <= t.TemplateHeight && t.TemplateHeight <= hi)
                result.rows << i;
        }
        if (!result.rows.isEmpty())
            return result;
    }
    result.showsAll = true;
    result.rows = cat.filledRows();
    return result;
}

frmSetupWiz8::frmSetupWiz8(QWidget* parent) : forms::Form(parent)
{
    setWindowTitle(Caption);
    auto* top = new QHBoxLayout;
    Label1 = new QLabel(QStringLiteral("のし紙の縦の長さ：(&H)"), this);
    Text1 = new QLineEdit(this);
    Text1->setInputMethodHints(Qt::ImhPreferNumbers);
    Text1->setMaximumWidth(90);
    Label1->setBuddy(Text1);
    Label2 = new QLabel(QStringLiteral("mm"), this);
    Command1 = new QPushButton(QStringLiteral("検索開始(&S)"), this);
    top->addWidget(Label1);
    top->addWidget(Text1);
    top->addWidget(Label2);
    top->addStretch();
    top->addWidget(Command1);

    MSFlexGrid1 = new QTableWidget(this);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(22);
    MSFlexGrid1->setMinimumSize(760, 300);

    Label3 = new QLabel(this);
    Label3->setStyleSheet(QStringLiteral("color: grey"));
    Label3->hide();

    auto* chosen = new QGroupBox(QStringLiteral("検索した雛形(&L)"), this);
    auto* chosenRow = new QHBoxLayout(chosen);
    Text2 = new QLineEdit(chosen);
    Text2->setReadOnly(true);
    chosenRow->addWidget(Text2);

    Command2 = new QPushButton(QStringLiteral("OK"), this);
    Command3 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    Command2->setAutoDefault(false);
    Command3->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(MSFlexGrid1, 1);
    layout->addWidget(Label3);
    layout->addWidget(chosen);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(MSFlexGrid1, &QTableWidget::cellClicked, this, [this](int r, int c) { MSFlexGrid1_Click(r, c); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    forms::EnterAsTab::install(this);
}

void frmSetupWiz8::setCaller(QWidget* page, const SizeEntryControls& boxes)
{
    callerPage_ = page;
    callerBoxes_ = boxes;
}

void frmSetupWiz8::Form_Load() { resetGrid(); }

void frmSetupWiz8::resetGrid()
{
    MSFlexGrid1->clear();
    MSFlexGrid1->setRowCount(0);
    MSFlexGrid1->setColumnCount(4);
    MSFlexGrid1->setHorizontalHeaderLabels(headerCaptions());
    MSFlexGrid1->resizeColumnsToContents();
}

void frmSetupWiz8::addTemplateRow(int row)
{
    const app::BuiltinTemplate& t = app::catalogue().row(row);
    const int r = MSFlexGrid1->rowCount();
    MSFlexGrid1->insertRow(r);
    const QString cells[] = {t.TemplateName, QString::number(t.TemplateWidth), QString::number(t.TemplateHeight),
                             QString()};
    for (int c = 0; c < 4; ++c)
        MSFlexGrid1->setItem(r, c, new QTableWidgetItem(cells[c]));
}

void frmSetupWiz8::Command1_Click()
{
    const auto height = vb::ToNumber(Text1->text());
    if (!height || *height < 70) {
        ui::MsgBox(QStringLiteral("のし紙の縦の長さをミリ単位で入力してください。"), ui::Buttons::Ok,
                   ui::Icon::Information, ui::InputCheckTitle);
        return;
    }
    resetGrid();
    const TemplateSearchResult found = TemplateSearch(*height);
    if (found.showsAll)
        ui::MsgBox(QStringLiteral("該当するのし紙サイズが見つかりませんでしたので、すべての雛型を表示します。"),
                   ui::Buttons::Ok, ui::Icon::Information, ui::InputCheckTitle);
    for (int row : found.rows)
        addTemplateRow(row);
    MSFlexGrid1->resizeColumnsToContents();
    Label3->setText(QString::number(found.rows.size())
                    + QStringLiteral(" 件の雛型が見つかりました。雛形名をクリックして雛型を選んでください。"));
    Label3->show();
}

void frmSetupWiz8::MSFlexGrid1_Click(int row, int column)
{
    const QTableWidgetItem* cell = MSFlexGrid1->item(row, column);
    const QString text = cell ? cell->text() : QString();
    const app::BuiltinTemplateCatalogue& cat = app::catalogue();
    const int found = cat.find(app::BuiltinTemplateCatalogue::keyOf(text), 1);
    if (found == app::BuiltinTemplateCatalogue::NotFound) {
        forms::setText(Text2, QString());
        return;
    }
    app::store().TemplateIndex = found;
    forms::setText(Text2, cat.row(found).TemplateName);
}

void frmSetupWiz8::Command2_Click()
{
    const QString chosen = Text2->text();
    // A page closed while the search stayed open has no boxes to fill.
    if (!chosen.isEmpty() && callerPage_) {
        const int row = app::catalogue().find(app::BuiltinTemplateCatalogue::keyOf(chosen), 1);
        const app::BuiltinTemplate& t = app::catalogue().row(row);
        callerBoxes_.templateList->setEditText(chosen);
        forms::setText(callerBoxes_.Text4, app::BuiltinTemplateCatalogue::keyOf(chosen));
        forms::setText(callerBoxes_.Text5, QString());
        forms::setText(callerBoxes_.Text20, QString::number(t.TemplateWidth));
        forms::setText(callerBoxes_.Text21, QString::number(t.TemplateHeight));
    }
    unload();
}

void frmSetupWiz8::Command3_Click() { unload(); }

forms::FormRef<frmSetupWiz8>& templateSearchWindow() { return run::slot<forms::FormRef<frmSetupWiz8>>(); }

void ShowTemplateSearch(QWidget* page, const SizeEntryControls& boxes)
{
    templateSearchWindow().get()->setCaller(page, boxes);
    templateSearchWindow().showModeless();
}

} // namespace config
