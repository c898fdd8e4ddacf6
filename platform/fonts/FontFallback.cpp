#include "platform/fonts/FontFallback.h"

#include "platform/files/SafeFile.h"
#include "platform/fonts/LoadedFace.h"

#include <QHash>
#include <QMutex>
#include <QSet>
#include <cstdlib>
#include <functional>
#include <fontconfig/fontconfig.h>

namespace fonts {

namespace {

QMutex& fcMutex()
{
    static QMutex m;
    return m;
}

// The process's one fontconfig set-up, which Qt's font database loads too:
// loading a second would scan every font folder again. Not kept, since a
// reload replaces it.
FcConfig* config()
{
    return FcConfigGetCurrent();
}

} // namespace

void loadFontconfig() { FcInit(); }

namespace {

QString fcString(FcPattern* p, const char* object)
{
    FcChar8* s = nullptr;
    if (FcPatternGetString(p, object, 0, &s) != FcResultMatch || !s)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(s));
}

Face faceOf(FcPattern* p)
{
    Face f;
    f.file = fcString(p, FC_FILE);
    int index = 0;
    if (FcPatternGetInteger(p, FC_INDEX, 0, &index) == FcResultMatch)
        f.index = index;
    f.family = fcString(p, FC_FAMILY);
    return f;
}

// Files the shaper and the printer can use: TrueType and OpenType outlines.
bool isOutlineFile(const QString& file)
{
    static const char* const kinds[] = {".ttf", ".otf", ".ttc", ".otc"};
    for (const char* k : kinds) {
        if (file.endsWith(QLatin1String(k), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

char32_t codePointAt(QStringView s, qsizetype i)
{
    if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(s[i], s[i + 1]);
    return s[i].unicode();
}

} // namespace

FamilyNames installedFamilies()
{
    QMutexLocker lock(&fcMutex());
    QSet<QString> japanese;
    QSet<QString> others;
    FcPattern* pat = FcPatternCreate();
    FcObjectSet* os = FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_FILE, FC_LANG, nullptr);
    if (FcFontSet* fs = FcFontList(config(), pat, os)) {
        for (int i = 0; i < fs->nfont; ++i) {
            FcPattern* font = fs->fonts[i];
            if (!isOutlineFile(fcString(font, FC_FILE)))
                continue;
            // A font that carries a Japanese family name is known by it
            // alone ("IPA明朝", not also "IPAMincho"); any other font by each
            // of its names.
            QStringList jaNames;
            QStringList names;
            FcChar8* s = nullptr;
            for (int n = 0; FcPatternGetString(font, FC_FAMILY, n, &s) == FcResultMatch; ++n) {
                const QString name = QString::fromUtf8(reinterpret_cast<const char*>(s));
                if (name.isEmpty() || name.startsWith(u'@'))
                    continue;
                FcChar8* lang = nullptr;
                if (FcPatternGetString(font, FC_FAMILYLANG, n, &lang) == FcResultMatch && lang
                    && qstrcmp(reinterpret_cast<const char*>(lang), "ja") == 0)
                    jaNames << name;
                else
                    names << name;
            }
            FcLangSet* langs = nullptr;
            const bool coversJapanese = FcPatternGetLangSet(font, FC_LANG, 0, &langs) == FcResultMatch
                                        && FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ja")) == FcLangEqual;
            if (!jaNames.isEmpty())
                japanese.unite(QSet<QString>(jaNames.begin(), jaNames.end()));
            else
                (coversJapanese ? japanese : others).unite(QSet<QString>(names.begin(), names.end()));
        }
        FcFontSetDestroy(fs);
    }
    FcObjectSetDestroy(os);
    FcPatternDestroy(pat);
    FamilyNames out{QStringList(japanese.begin(), japanese.end()), QStringList(others.begin(), others.end())};
    out.japanese.sort(Qt::CaseInsensitive);
    // A name both ways (two fonts of one family, one without its Japanese
    // name) is listed once, among the Japanese.
    out.others.removeIf([&](const QString& n) { return japanese.contains(n); });
    out.others.sort(Qt::CaseInsensitive);
    return out;
}

std::optional<Face> installedFace(const QString& family)
{
    if (family.isEmpty())
        return std::nullopt;
    static QHash<QString, std::optional<Face>> cache;
    QMutexLocker lock(&fcMutex());
    const QString key = family.toCaseFolded();
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    std::optional<Face> found;
    FcPattern* pat = FcPatternCreate();
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcObjectSet* os = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, FC_WEIGHT, FC_SLANT, nullptr);
    if (FcFontSet* fs = FcFontList(config(), pat, os)) {
        // The upright face nearest to regular weight.
        int best = -1;
        int bestScore = 0;
        for (int i = 0; i < fs->nfont; ++i) {
            const Face f = faceOf(fs->fonts[i]);
            if (!isOutlineFile(f.file))
                continue;
            int weight = FC_WEIGHT_REGULAR;
            int slant = FC_SLANT_ROMAN;
            FcPatternGetInteger(fs->fonts[i], FC_WEIGHT, 0, &weight);
            FcPatternGetInteger(fs->fonts[i], FC_SLANT, 0, &slant);
            const int score = std::abs(weight - FC_WEIGHT_REGULAR) + (slant != FC_SLANT_ROMAN ? 1000 : 0);
            if (best < 0 || score < bestScore) {
                best = i;
                bestScore = score;
            }
        }
        if (best >= 0) {
            Face f = faceOf(fs->fonts[best]);
            f.family = family;
            found = f;
        }
        FcFontSetDestroy(fs);
    }
    FcObjectSetDestroy(os);
    FcPatternDestroy(pat);
    cache.insert(key, found);
    return found;
}

namespace {

// The faces fontconfig has for a character, best first for a noshi, until
// `accept` takes one; caller holds fcMutex.
std::optional<Face> firstFaceWith(char32_t cp, const std::function<bool(const Face&)>& accept)
{
    std::optional<Face> found;
    FcPattern* pat = FcPatternCreate();
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, FcChar32(cp));
    FcPatternAddCharSet(pat, FC_CHARSET, wanted);
    // Brush and Mincho faces suit a noshi better than a Gothic one.
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>("serif"));
    FcPatternAddString(pat, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcConfigSubstitute(config(), pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult r = FcResultNoMatch;
    if (FcFontSet* fs = FcFontSort(config(), pat, FcFalse, nullptr, &r)) {
        for (int i = 0; i < fs->nfont && !found; ++i) {
            FcCharSet* has = nullptr;
            if (FcPatternGetCharSet(fs->fonts[i], FC_CHARSET, 0, &has) == FcResultMatch && has
                && FcCharSetHasChar(has, FcChar32(cp))) {
                // The sorted set holds the fonts' own patterns: take the file from there.
                FcPattern* full = FcFontRenderPrepare(config(), pat, fs->fonts[i]);
                Face f = faceOf(full ? full : fs->fonts[i]);
                if (full)
                    FcPatternDestroy(full);
                if (isOutlineFile(f.file) && accept(f))
                    found = f;
            }
        }
        FcFontSetDestroy(fs);
    }
    FcCharSetDestroy(wanted);
    FcPatternDestroy(pat);
    return found;
}

bool hasSequence(hb_font_t* font, char32_t base, char32_t selector)
{
    hb_codepoint_t g = 0;
    return font && hb_font_get_variation_glyph(font, base, selector, &g) && g != 0;
}

// Whether the font file's cmap lists the sequence. Fontconfig does not know
// sequences, so the file is looked at itself, mapped and let go again.
bool fileHasSequence(const Face& face, char32_t base, char32_t selector)
{
    const auto mapped = files::mapRegularFile(face.file, qint64(256) * 1024 * 1024);
    if (!mapped)
        return false;
    hb_blob_t* blob = hb_blob_create(mapped->data(), static_cast<unsigned>(mapped->size()), HB_MEMORY_MODE_READONLY,
                                     nullptr, nullptr);
    hb_face_t* hbFace = hb_face_create(blob, static_cast<unsigned>(face.index));
    hb_font_t* font = hb_font_create(hbFace);
    const bool has = hasSequence(font, base, selector);
    hb_font_destroy(font);
    hb_face_destroy(hbFace);
    hb_blob_destroy(blob);
    return has;
}

} // namespace

std::optional<Face> faceWithChar(char32_t cp)
{
    static QHash<char32_t, std::optional<Face>> cache;
    QMutexLocker lock(&fcMutex());
    if (auto it = cache.constFind(cp); it != cache.constEnd())
        return *it;
    const std::optional<Face> found = firstFaceWith(cp, [](const Face&) { return true; });
    cache.insert(cp, found);
    return found;
}

std::optional<Face> faceWithSequence(char32_t base, char32_t selector)
{
    static QHash<quint64, std::optional<Face>> cache;
    QMutexLocker lock(&fcMutex());
    const quint64 key = (quint64(base) << 32) | selector;
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    const std::optional<Face> found =
        firstFaceWith(base, [&](const Face& f) { return fileHasSequence(f, base, selector); });
    cache.insert(key, found);
    return found;
}

bool isVariationSelector(char32_t cp)
{
    return (cp >= 0xFE00 && cp <= 0xFE0F) || (cp >= 0xE0100 && cp <= 0xE01EF);
}

bool needsGlyph(char32_t cp)
{
    if (cp < 0x20 || cp == 0x20 || cp == 0x3000 || cp == 0xFFFC || cp == 0x7F)
        return false;
    // Variation selectors and joiners choose a form; a font without them
    // draws the base character.
    if (isVariationSelector(cp) || cp == 0x200B || cp == 0x200C || cp == 0x200D || cp == 0x2060 || cp == 0xFEFF)
        return false;
    return true;
}

const LoadedFace* faceDrawing(const LoadedFace* chosen, char32_t cp)
{
    if (!needsGlyph(cp) || (chosen && chosen->hasGlyph(cp)))
        return chosen;
    const std::optional<Face> other = faceWithChar(cp);
    if (!other)
        return chosen;
    const LoadedFace* loaded = loadedFace(other->family);
    return loaded && loaded->hasGlyph(cp) ? loaded : chosen;
}

const LoadedFace* faceDrawing(const LoadedFace* chosen, QStringView cluster)
{
    if (cluster.isEmpty())
        return chosen;
    const char32_t base = codePointAt(cluster, 0);
    const qsizetype next = base > 0xFFFF ? 2 : 1;
    const char32_t selector = next < cluster.size() ? codePointAt(cluster, next) : 0;
    if (!isVariationSelector(selector) || !needsGlyph(base))
        return faceDrawing(chosen, base);
    if (chosen && hasSequence(chosen->hbFont(), base, selector))
        return chosen;
    // The loaded face of that family must be the very file that has the form.
    if (const std::optional<Face> other = faceWithSequence(base, selector)) {
        const LoadedFace* loaded = loadedFace(other->family);
        if (loaded && hasSequence(loaded->hbFont(), base, selector))
            return loaded;
    }
    return faceDrawing(chosen, base);
}

QString charsNoFontHas(const QString& text)
{
    QString missing;
    QSet<char32_t> seen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t cp = codePointAt(text, i);
        if (cp > 0xFFFF)
            ++i;
        if (!needsGlyph(cp) || seen.contains(cp))
            continue;
        seen.insert(cp);
        // The faces the page was laid out in have nearly every character.
        if (!someLoadedFaceHas(cp) && !faceWithChar(cp)) {
            if (cp > 0xFFFF)
                missing += QString::fromUcs4(&cp, 1);
            else
                missing += QChar(char16_t(cp));
        }
    }
    return missing;
}

QString missingCharsMessage(const QString& chars)
{
    QStringList named;
    const QList<uint> cps = chars.toUcs4();
    for (uint cp : cps)
        named << QStringLiteral("「%1」(U+%2)").arg(QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1),
                                                   QString::number(cp, 16).toUpper().rightJustified(4, u'0'));
    return QStringLiteral("次の文字を印刷できるフォントがインストールされていません。\n%1\n\n"
                          "文字を変えるか、その文字を持つフォントをインストールしてから印刷してください。")
        .arg(named.join(QStringLiteral("、")));
}

} // namespace fonts
