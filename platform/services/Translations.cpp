#include "platform/services/Translations.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QTreeView>

namespace ui {

namespace {

// The few texts of Qt's own dialogs that Qt's Japanese catalogue lacks: the
// file dialog's type column names folders and drives under a context the
// catalogue does not have yet.
class MissingJapanese : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        static const struct {
            const char* context;
            const char* source;
            const char* japanese;
        } texts[] = {
            {"QAbstractFileIconProvider", "Folder", "フォルダ"},
            {"QAbstractFileIconProvider", "Drive", "ドライブ"},
            {"QAbstractFileIconProvider", "File", "ファイル"},
            {"QAbstractFileIconProvider", "%1 File", "%1 ファイル"},
            {"QAbstractFileIconProvider", "Shortcut", "ショートカット"},
            {"QFileSystemModel", "Folder", "フォルダ"},
        };
        if (!context || !source)
            return {};
        for (const auto& t : texts)
            if (qstrcmp(context, t.context) == 0 && qstrcmp(source, t.source) == 0)
                return QString::fromUtf8(t.japanese);
        return {};
    }
};

} // namespace

bool installJapaneseTranslations()
{
    static QTranslator* installed = nullptr;
    if (installed)
        return true;
    // Dates, numbers and the calendar's month names follow as well.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QCoreApplication::installTranslator(new MissingJapanese(QCoreApplication::instance()));
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

void fitFileDialogColumns(QFileDialog& dialog)
{
    // Size, type and date are shown whole; the name takes what is left.
    for (QTreeView* view : dialog.findChildren<QTreeView*>()) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        header->setMinimumSectionSize(header->fontMetrics().horizontalAdvance(QStringLiteral("サイズ")) + 24);
    }
}

} // namespace ui
