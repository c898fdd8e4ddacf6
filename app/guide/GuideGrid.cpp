#include "app/guide/GuideGrid.h"

#include "platform/fonts/FontCatalog.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>

namespace guide {
namespace {

const QColor HeadingBack(230, 230, 242);
const QColor GridLines(192, 192, 192);

} // namespace

GuideGrid::GuideGrid(QWidget* parent) : QTableWidget(parent)
{
    QFont font(fonts::resolve(QStringLiteral("ＭＳ ゴシック")).family);
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(9.75);
    setFont(font);

    setColumnCount(2);
    setHorizontalHeaderLabels({headingFirst(), headingSecond()});
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);

    QHeaderView* heading = horizontalHeader();
    heading->setFont(font);
    heading->setSectionsClickable(false);
    heading->setHighlightSections(false);
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setStretchLastSection(false);
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: %1; color: black;"
                                          " border: 0px; border-right: 1px solid %2;"
                                          " border-bottom: 1px solid %2; padding-left: 2px; }")
                               .arg(HeadingBack.name(), GridLines.name()));
    // A cell's text starts one focus margin in; the column ends exactly where
    // the heading's last character does, so nothing of the keywords shows.
    const QFontMetrics metrics(font);
    const int inset = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    setColumnWidth(0, metrics.horizontalAdvance(headingFirst()) + inset);
    setColumnWidth(1, metrics.horizontalAdvance(headingSecond()) + inset);

    // Black text on the window background; the area under the last row too.
    QPalette pal = palette();
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    setGridStyle(Qt::SolidLine);
    setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }").arg(GridLines.name()));

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    connect(this, &QTableWidget::cellClicked, this, &GuideGrid::pickAt);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { pickAt(row, column); });
}

void GuideGrid::showRows(const QList<GridRow>& rows)
{
    m_filling = true;
    clearContents();
    setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        setItem(r, 0, new QTableWidgetItem(rows[r].first));
        setItem(r, 1, new QTableWidgetItem(rows[r].second));
    }
    if (!rows.isEmpty())
        setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    scrollToTop();
    m_filling = false;
}

QString GuideGrid::cellText(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void GuideGrid::pickAt(int row, int column)
{
    if (m_filling || row < 0 || column < 0)
        return;
    // The heading row is the header view, so every row reaching here lies below it.
    if (const auto inscription = PickGuideCell(cellText(row, column)))
        emit picked(*inscription);
}

} // namespace guide
