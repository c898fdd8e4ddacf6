#include "platform/forms/SimpleCombo.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace forms {

SimpleCombo::SimpleCombo(QWidget* parent) : QWidget(parent)
{
    edit_ = new QLineEdit(this);
    list_ = new QListWidget(this);
    list_->setFocusPolicy(Qt::ClickFocus);
    setFocusProxy(edit_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_);
    layout->addWidget(list_, 1);

    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { clickItem(list_->row(item)); });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit doubleClicked(list_->row(item)); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old && isAncestorOf(old) && !(now && isAncestorOf(now)))
            emit focusLeft();
    });
}

QString SimpleCombo::currentText() const { return edit_->text(); }
void SimpleCombo::setEditText(const QString& text) { edit_->setText(text); }
void SimpleCombo::addItems(const QStringList& items) { list_->addItems(items); }

void SimpleCombo::clear()
{
    list_->clear();
    edit_->clear();
}

int SimpleCombo::count() const { return list_->count(); }

QString SimpleCombo::itemText(int index) const
{
    const QListWidgetItem* item = list_->item(index);
    return item ? item->text() : QString();
}

void SimpleCombo::clickItem(int index)
{
    if (index < 0 || index >= count())
        return;
    list_->setCurrentRow(index);
    edit_->setText(itemText(index));
    emit clicked(index);
}

void SimpleCombo::doubleClickItem(int index)
{
    if (index < 0 || index >= count())
        return;
    clickItem(index);
    emit doubleClicked(index);
}

} // namespace forms
