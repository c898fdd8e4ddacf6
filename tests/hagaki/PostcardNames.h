// The postcard layouts' names as the layout list shows them, written out by
// hand for the tests that choose or expect one.
#pragma once

#include <QString>

namespace postcard_names {

inline const QString PortraitH = QStringLiteral("はがき　縦置き／横書き");
inline const QString PortraitV = QStringLiteral("はがき　縦置き／縦書き");
inline const QString LandscapeH = QStringLiteral("はがき　横置き／横書き");
inline const QString LandscapeV = QStringLiteral("はがき　横置き／縦書き");
inline const QString ReturnV = QStringLiteral("往復はがき　縦置き／縦書き");

} // namespace postcard_names
