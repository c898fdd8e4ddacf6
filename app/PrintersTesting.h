// For tests only: a fixed list of printers and a current printer of its own
// in place of the system's.
#pragma once

#include <QStringList>
#include <functional>

namespace app {

// An empty function restores the system's printers.
void setPrinterListForTests(std::function<QStringList()> list);

} // namespace app
