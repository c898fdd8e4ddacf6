#include "config/SizeWidgets.h"

#include "model/LiveStore.h"
#include "platform/forms/SubWindowParts.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace config {

void makeWarning(QWidget* w)
{
    w->setStyleSheet(QStringLiteral("color: red"));
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
        const QString cells[] = {z.RegSizeName[0], z.RegSizeTemplate[0], QString::number(z.RegSizeWidth),
                                 QString::number(z.RegSizeHeight), QString()};
        for (int c = 0; c < 5; ++c)
            grid->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
    grid->resizeColumnsToContents();
}

} // namespace config
