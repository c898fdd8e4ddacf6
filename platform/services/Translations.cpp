#include "platform/services/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool installJapaneseTranslations()
{
    static QTranslator* installed = nullptr;
    if (installed)
        return true;
    // Dates, numbers and the calendar's month names follow as well.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* t = new QTranslator(QCoreApplication::instance());
    // "qt_ja" is the bundle that pulls in qtbase_ja and the other modules.
    if (!t->load(QStringLiteral("qt_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    installed = t;
    return true;
}

} // namespace ui
