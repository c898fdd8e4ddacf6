#include "platform/fonts/FontCatalog.h"

#include "platform/fonts/FontFallback.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>

namespace fonts {

namespace {

struct Known {
    QString documentName; // the name documents store
    QString family;       // the installed face standing in for it
    QString fileName;
    QString debianDir;
};

const QVector<Known>& knownFaces()
{
    static const QVector<Known> faces = {
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"), QStringLiteral("ipam.ttf"),
         QStringLiteral("/usr/share/fonts/opentype/ipafont-mincho")},
        {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"), QStringLiteral("ipamp.ttf"),
         QStringLiteral("/usr/share/fonts/opentype/ipafont-mincho")},
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), QStringLiteral("ipag.ttf"),
         QStringLiteral("/usr/share/fonts/opentype/ipafont-gothic")},
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("ipagp.ttf"),
         QStringLiteral("/usr/share/fonts/opentype/ipafont-gothic")},
    };
    return faces;
}

// Folds the spellings of one name together: full-width Latin letters,
// full-width or half-width blanks, upper or lower case.
QString foldName(const QString& name)
{
    QString out;
    for (QChar c : baseName(name)) {
        char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            u = u - 0xFF01 + 0x21;
        if (u == u' ' || u == 0x3000)
            continue;
        out += QChar(u).toLower();
    }
    return out;
}

int knownIndex(const QString& documentFontName)
{
    static const QHash<QString, int> aliases = [] {
        QHash<QString, int> a;
        const QVector<Known>& k = knownFaces();
        for (int i = 0; i < k.size(); ++i) {
            a.insert(foldName(k[i].documentName), i);
            a.insert(foldName(k[i].family), i);
        }
        a.insert(foldName(QStringLiteral("IPA明朝")), 0);
        a.insert(foldName(QStringLiteral("IPAP明朝")), 1);
        a.insert(foldName(QStringLiteral("IPAゴシック")), 2);
        a.insert(foldName(QStringLiteral("IPAPゴシック")), 3);
        return a;
    }();
    return aliases.value(foldName(documentFontName), -1);
}

QString findFile(const Known& k)
{
    const QString debian = k.debianDir + u'/' + k.fileName;
    if (QFileInfo::exists(debian))
        return debian;
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::FontsLocation)) {
        const QString p = dir + u'/' + k.fileName;
        if (QFileInfo::exists(p))
            return p;
    }
    // fontconfig always answers with some font: accept only the file asked for.
    QProcess fc;
    fc.start(QStringLiteral("fc-match"), {QStringLiteral("-f"), QStringLiteral("%{file}"), k.family});
    if (fc.waitForFinished(3000)) {
        const QString p = QString::fromLocal8Bit(fc.readAllStandardOutput()).trimmed();
        if (QFileInfo(p).fileName() == k.fileName && QFileInfo::exists(p))
            return p;
    }
    return {};
}

// Installed file per known face, looked up once.
QString installedFile(int index)
{
    static QMutex mutex;
    static QHash<int, QString> files;
    QMutexLocker lock(&mutex);
    auto it = files.find(index);
    if (it == files.end())
        it = files.insert(index, findFile(knownFaces()[index]));
    return *it;
}

} // namespace

QString baseName(const QString& documentFontName)
{
    return isVerticalName(documentFontName) ? documentFontName.mid(1) : documentFontName;
}

bool isVerticalName(const QString& documentFontName)
{
    return documentFontName.startsWith(u'@');
}

Face resolve(const QString& documentFontName)
{
    const int wanted = knownIndex(documentFontName);
    if (wanted >= 0) {
        const QString file = installedFile(wanted);
        if (!file.isEmpty())
            return {file, 0, knownFaces()[wanted].family, false};
    }
    // Any other installed font is used as itself.
    if (wanted < 0) {
        if (const std::optional<Face> installed = installedFace(baseName(documentFontName)))
            return *installed;
    }
    // Anything else is drawn in IPAMincho, or failing that in any IPA face:
    // never in a Latin font, which has no Japanese glyphs.
    for (int i = 0; i < knownFaces().size(); ++i) {
        const QString file = installedFile(i);
        if (!file.isEmpty())
            return {file, 0, knownFaces()[i].family, true};
    }
    return {QString(), 0, QString(), true};
}

namespace {

// The four document names of the installed stand-ins, then the installed
// Japanese families, then every other family, each name once.
struct Listed {
    QStringList japanese; // the document names and the Japanese families
    QStringList others;
};

Listed listedFonts()
{
    Listed out;
    for (int i = 0; i < knownFaces().size(); ++i)
        if (!installedFile(i).isEmpty())
            out.japanese << knownFaces()[i].documentName;
    const FamilyNames installed = installedFamilies();
    for (const QString& family : installed.japanese)
        if (!out.japanese.contains(family))
            out.japanese << family;
    for (const QString& family : installed.others)
        if (!out.japanese.contains(family))
            out.others << family;
    return out;
}

} // namespace

QStringList japaneseFontNames()
{
    const Listed l = listedFonts();
    return l.japanese + l.others;
}

QStringList fontDialogNames()
{
    const Listed l = listedFonts();
    QStringList vertical;
    for (const QString& name : l.japanese)
        vertical << u'@' + name;
    return l.japanese + vertical + l.others;
}

} // namespace fonts
