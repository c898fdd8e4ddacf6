// Controls the paper-size pages share: the red warnings beside the size
// boxes, the millimetre boxes, and the grid of every registered size.
#pragma once

#include <QStringList>

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QTableWidget;
class QWidget;

namespace noshi {
class UpDown;
}

namespace config {

// A red warning, hidden until a check shows it.
QLabel* sizeWarning(const QString& text, QWidget* parent);
// A box for millimetres: narrow, the input method off.
QLineEdit* millimetreBox(QWidget* parent);
// Warnings that are text boxes on some pages: red, read only, hidden.
void makeWarning(QWidget* w);

// The width and height rows of a size group, each a label, a millimetre box
// with its spinner (0 to 999) and a warning beside it.
struct SizeBoxes {
    QLabel* widthLabel = nullptr;
    QLineEdit* width = nullptr;
    noshi::UpDown* widthSpin = nullptr;
    QLabel* heightLabel = nullptr;
    QLineEdit* height = nullptr;
    noshi::UpDown* heightSpin = nullptr;
    QLabel* heightWarning = nullptr;
};
// Fills `group` with the two rows; `widthWarning` is the page's own
// warning, already a child of the group.
SizeBoxes fillSizeGroup(QGroupBox* group, QWidget* widthWarning);

// The grid: cleared, five columns under `headers`, one row per registered
// size in row order (name and template key of the first name style, width,
// height, an empty fifth cell).
void fillSizeTable(QTableWidget* grid, const QStringList& headers);
// True when the grid's rows show the store's sizes as fillSizeTable writes them.
bool sizeTableShowsStore(const QTableWidget* grid);
// Shows a template list in a face whose half-width characters are half as
// wide as the full-width ones, so that its rows' sizes and numbers line up;
// lays `caption` out after `label` so that it starts over the sizes.
// The returned layout is the row of the two.
QHBoxLayout* lineUpTemplateList(QComboBox* list, QLabel* label, QLabel* caption);
// A fresh grid as the size pages show it.
QTableWidget* makeSizeTable(QWidget* parent);

} // namespace config
