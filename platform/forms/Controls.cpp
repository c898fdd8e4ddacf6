#include "platform/forms/Controls.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>

namespace forms {

void setText(QLineEdit* box, const QString& text)
{
    if (box->text() == text)
        emit box->textChanged(text);
    else
        box->setText(text);
}

void setText(QComboBox* list, const QString& text)
{
    if (!list->isEditable()) {
        const int i = list->findText(text, Qt::MatchExactly);
        list->setCurrentIndex(i);
        return;
    }
    if (list->currentText() == text)
        emit list->editTextChanged(text);
    else
        list->setEditText(text);
}

void setListIndex(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(list->currentIndex());
}

void makeEditableList(QComboBox* list)
{
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // A typed text stays as typed: inline completion would put the rest of
    // the first matching item after it (代表取締役 -> 代表取締役社長), and
    // that text would be printed.
    list->setCompleter(nullptr);
}

void appendItem(QComboBox* list, const QString& item)
{
    const int index = list->currentIndex();
    const QString text = list->currentText();
    const QSignalBlocker quiet(list);
    list->addItem(item);
    list->setCurrentIndex(index);
    if (list->isEditable())
        list->setEditText(text);
}

void refillList(QComboBox* list, const QStringList& items)
{
    list->clear();
    const QSignalBlocker quiet(list);
    list->addItems(items);
    list->setCurrentIndex(-1);
    if (list->isEditable())
        list->setEditText(QString());
}

void fitPopupToItems(QComboBox* list)
{
    QAbstractItemView* view = list->view();
    const int frame = 2 * view->frameWidth();
    const int bar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    view->setMinimumWidth(view->sizeHintForColumn(0) + frame + bar);
}

void setOptionValue(QRadioButton* option, bool on)
{
    if (on) {
        option->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its checked member.
    const bool excl = option->autoExclusive();
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(excl);
}

bool setCheckValue(QCheckBox* box, int value)
{
    if (value < 0 || value > 2)
        return false;
    if (value == 2)
        box->setTristate(true);
    box->setCheckState(value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked);
    return true;
}

int checkValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    default: return 2;
    }
}

// The designed sizes assume 15 twips to the pixel (96 dots per inch);
// high-resolution screens are scaled by the toolkit.
int twipsToPx(double twips) { return int(twips / 15.0 + (twips >= 0 ? 0.5 : -0.5)); }
double pxToTwips(int px) { return px * 15.0; }

} // namespace forms
