// The standard inscriptions offered for registration, by slot 1 to 155 of
// the built-in table. A slot holds a full-width blank, the inscription and
// full-width blanks to six characters in all; unassigned slots are empty.
#pragma once

#include <QString>
#include <QStringList>

namespace config {

constexpr int StandardOmoteSlots = 155;
// Slot 1..155; empty for an unassigned slot or one outside the table.
QString StandardOmoteTable(int slot);
// The list the registration pages show: slots 1 to 151 that begin with the
// full-width blank, trimmed, in slot order (duplicates kept).
QStringList StandardOmoteList();

} // namespace config
