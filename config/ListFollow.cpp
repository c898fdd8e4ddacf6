#include "config/ListFollow.h"

#include "platform/forms/Controls.h"

#include <QComboBox>
#include <QListWidget>

namespace config {

void followList(QComboBox* list, const QStringList& entries)
{
    if (!list)
        return;
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    if (shown == entries)
        return;
    if (entries.size() > shown.size() && entries.mid(0, shown.size()) == shown) {
        for (qsizetype i = shown.size(); i < entries.size(); ++i)
            forms::appendItem(list, entries[i]);
        return;
    }
    forms::refillList(list, entries);
}

void followList(QListWidget* list, const QStringList& entries)
{
    if (!list)
        return;
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    if (shown == entries)
        return;
    list->clear();
    list->addItems(entries);
}

} // namespace config
