// Lists that mirror a stored table (sizes, inscriptions) follow the store
// when it tells of a change, whichever window made the change.
#pragma once

#include <QStringList>

class QComboBox;
class QListWidget;

namespace config {

// Makes `list` show `entries` in order: nothing happens when it does
// already; entries that were only added at the end are appended, keeping
// the list's text and choice; any other change refills it, text emptied.
void followList(QComboBox* list, const QStringList& entries);
void followList(QListWidget* list, const QStringList& entries);

} // namespace config
