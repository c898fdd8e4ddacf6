// For tests only: the shipped folder pointed elsewhere.
#pragma once

#include <QString>

namespace paths {

// An empty text restores the default.
void setShippedDirForTests(const QString& dir);

} // namespace paths
