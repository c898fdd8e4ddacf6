// One grid of the inscription guide: two columns under a fixed heading row,
// in a fixed-pitch font so each column is exactly as wide as its heading and
// the keywords behind a description stay out of sight. Clicking a cell or
// moving onto it applies the pick rule.
#pragma once

#include "app/guide/GuideSearch.h"

#include <QTableWidget>

namespace guide {

class GuideGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit GuideGrid(QWidget* parent = nullptr);

    // Replaces the data rows; the heading row stays. Nothing is picked, and the
    // current cell rests on the first row so that taking the focus picks nothing.
    void showRows(const QList<GridRow>& rows);
    QString cellText(int row, int column) const;

signals:
    void picked(const QString& inscription);

private:
    void pickAt(int row, int column);
    bool m_filling = false;
};

} // namespace guide
