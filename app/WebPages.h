// The maker's web pages, all on one server.
#pragma once

#include <QString>

namespace app {

inline const QString WebServer = QStringLiteral("https://www.sorabeni.example");
inline const QString FaqPage = QStringLiteral("/sorabeni/faq.htm");
inline const QString UpdatePage = QStringLiteral("/wp_sorabeni/?page_id=316");
inline const QString SupportPage = QStringLiteral("/wp_sorabeni/?page_id=8");

// Opens the page in the user's browser; a desktop that cannot open it
// shows the address instead.
void openWebPage(const QString& path);

} // namespace app
