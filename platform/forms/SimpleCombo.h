// A combo box whose list is always open under its edit line: a click on an
// item puts it into the line, a double-click also reports itself, and the
// box tells when the focus leaves it for a control outside it.
#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

namespace forms {

class SimpleCombo : public QWidget {
    Q_OBJECT
public:
    explicit SimpleCombo(QWidget* parent = nullptr);

    QString currentText() const;
    void setEditText(const QString& text);
    void addItems(const QStringList& items);
    void clear(); // items and text
    int count() const;
    QString itemText(int index) const;
    // Picks item `index` as a click on it does (the line takes it, clicked fires).
    void clickItem(int index);
    // A double-click on item `index`: the click first, then doubleClicked.
    void doubleClickItem(int index);

    QLineEdit* lineEdit() const { return edit_; }
    QListWidget* listWidget() const { return list_; }

signals:
    void clicked(int index);
    void doubleClicked(int index);
    void focusLeft();

private:
    QLineEdit* edit_;
    QListWidget* list_;
};

} // namespace forms
