#include "config/SizeWidgets.h"

#include "model/LiveStore.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/forms/UpDown.h"

#include <QGridLayout>
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
