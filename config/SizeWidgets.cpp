#include "config/SizeWidgets.h"

#include "model/LiveStore.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/forms/UpDown.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace config {

namespace {

QStringList sizeCells(const app::RegisteredSize& z)
{
    return {z.RegSizeName[0], z.RegSizeTemplate[0], QString::number(z.RegSizeWidth), QString::number(z.RegSizeHeight),
            QString()};
}

} // namespace

void makeWarning(QWidget* w)
{
    // Transparent: a read-only box would otherwise lay a white strip across its group.
    w->setStyleSheet(QStringLiteral("color: red; background: transparent"));
    w->hide();
}

QLabel* sizeWarning(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    makeWarning(l);
    return l;
}

QLineEdit* millimetreBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    app::setImeMode(box, app::ImeMode::Off);
    box->setMaximumWidth(80);
    return box;
}

SizeBoxes fillSizeGroup(QGroupBox* group, QWidget* widthWarning)
{
    SizeBoxes b;
    b.widthLabel = new QLabel(QStringLiteral("横（幅）"), group);
    b.width = millimetreBox(group);
    b.widthSpin = new noshi::UpDown(group, b.width, 0, 999);
    b.heightLabel = new QLabel(QStringLiteral("縦（高さ）"), group);
    b.height = millimetreBox(group);
    b.heightSpin = new noshi::UpDown(group, b.height, 0, 999);
    b.heightWarning = sizeWarning(QStringLiteral("名書きが正しく表示されない場合があります。"), group);
    for (noshi::UpDown* spin : {b.widthSpin, b.heightSpin})
        spin->setFixedSize(18, b.width->sizeHint().height());
    auto* grid = new QGridLayout(group);
    grid->addWidget(b.widthLabel, 0, 0);
    grid->addWidget(b.width, 0, 1);
    grid->addWidget(b.widthSpin, 0, 2);
    grid->addWidget(widthWarning, 0, 3);
    grid->addWidget(b.heightLabel, 1, 0);
    grid->addWidget(b.height, 1, 1);
    grid->addWidget(b.heightSpin, 1, 2);
    grid->addWidget(b.heightWarning, 1, 3);
    grid->setColumnStretch(3, 1);
    return b;
}

QHBoxLayout* lineUpTemplateList(QComboBox* list, QLabel* label, QLabel* caption)
{
    QFont fixed(QStringLiteral("IPAGothic"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSizeF(list->font().pointSizeF());
    list->setFont(fixed);
    list->view()->setFont(fixed);
    // A row is the key of seven full-width characters and a full-width
    // blank, then the size: the caption starts where the size does.
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    const int textLeft = field.left() + (list->lineEdit() ? list->lineEdit()->textMargins().left() + 2 : 0);
    const int sizeColumn = textLeft + QFontMetrics(fixed).horizontalAdvance(QString(8, QChar(0x3000)));
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(label);
    row->addSpacing(std::max(8, sizeColumn - label->sizeHint().width()));
    row->addWidget(caption);
    row->addStretch();
    return row;
}

QTableWidget* makeSizeTable(QWidget* parent)
{
    auto* grid = new QTableWidget(parent);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(22);
    return grid;
}

void fillSizeTable(QTableWidget* grid, const QStringList& headers)
{
    grid->clear();
    grid->setRowCount(0);
    grid->setColumnCount(5);
    grid->setHorizontalHeaderLabels(headers);
    const app::LiveStore& st = app::store();
    for (int row = 0; row < st.RegSizeCount(); ++row) {
        const app::RegisteredSize& z = st.size(row);
        grid->insertRow(row);
        const QStringList cells = sizeCells(z);
        for (int c = 0; c < 5; ++c)
            grid->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
    grid->resizeColumnsToContents();
}

bool sizeTableShowsStore(const QTableWidget* grid)
{
    const app::LiveStore& st = app::store();
    if (grid->rowCount() != st.RegSizeCount())
        return false;
    for (int row = 0; row < st.RegSizeCount(); ++row) {
        const QStringList cells = sizeCells(st.size(row));
        for (int c = 0; c < 4; ++c) {
            const QTableWidgetItem* item = grid->item(row, c);
            if (!item || item->text() != cells[c])
                return false;
        }
    }
    return true;
}

} // namespace config
