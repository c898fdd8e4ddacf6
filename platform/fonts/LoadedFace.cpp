#include "platform/fonts/LoadedFace.h"

#include "platform/files/SafeFile.h"

#include <QFile>
#include <QFont>
#include <QHash>
#include <QMutex>
#include <cmath>
#include <memory>

namespace fonts {

namespace {
QMutex& cacheMutex()
{
    static QMutex m;
    return m;
}

// Every face loaded so far, by file and index (nullptr for a file that is no font).
QHash<QString, std::shared_ptr<LoadedFace>>& loadedFiles()
{
    static QHash<QString, std::shared_ptr<LoadedFace>> faces;
    return faces;
}
} // namespace

LoadedFace::LoadedFace(const QString& file, int index, const QString& family,
                       std::unique_ptr<files::MappedFile> data)
    : file_(file), index_(index), data_(std::move(data))
{
    // HarfBuzz reads straight from the mapped file, which lives as long as we do.
    blob_ = hb_blob_create(data_->data(), static_cast<unsigned>(data_->size()),
                           HB_MEMORY_MODE_READONLY, nullptr, nullptr);
    face_ = hb_face_create(blob_, static_cast<unsigned>(index));
    upem_ = static_cast<int>(hb_face_get_upem(face_));
    font_ = hb_font_create(face_);
    hb_font_set_scale(font_, upem_, upem_);
    hb_font_extents_t ext{};
    if (hb_font_get_h_extents(font_, &ext) && ext.ascender - ext.descender > 0) {
        const double height = ext.ascender - ext.descender;
        ascentEm_ = ext.ascender / height;
        lineHeightEm_ = height / upem_;
    }
    // Taken from the system's font database when it has this face: PDF output
    // embeds only fonts that come with their file's name and draws fonts
    // loaded from memory as outlines, which would lose the text.
    QFont system(family);
    system.setPixelSize(12);
    base_ = QRawFont::fromFont(system);
    if (!base_.isValid() || base_.familyName() != family)
        base_ = QRawFont(data_->bytes(), 12.0); // shares the mapped bytes
}

bool LoadedFace::hasGlyph(char32_t cp) const
{
    hb_codepoint_t glyph = 0;
    return hb_font_get_nominal_glyph(font_, cp, &glyph) && glyph != 0;
}

LoadedFace::~LoadedFace()
{
    hb_font_destroy(font_);
    hb_face_destroy(face_);
    hb_blob_destroy(blob_);
}

QRawFont LoadedFace::rawFont(double pixelSize) const
{
    // Sizes repeat (a page uses a handful), so round to 1/64 pixel and keep them.
    const qint64 key = std::llround(pixelSize * 64.0);
    QMutexLocker lock(&cacheMutex());
    auto it = bySize_.find(key);
    if (it == bySize_.end()) {
        QRawFont f = base_;
        f.setPixelSize(key / 64.0);
        it = bySize_.insert(key, f);
    }
    return *it;
}

const LoadedFace* loadedFace(const QString& documentFontName)
{
    // Layouts ask for the same few names thousands of times a page.
    static QHash<QString, const LoadedFace*> byName;
    {
        QMutexLocker lock(&cacheMutex());
        const auto named = byName.constFind(documentFontName);
        if (named != byName.constEnd())
            return *named;
    }
    const Face face = resolve(documentFontName);
    if (face.file.isEmpty())
        return nullptr;
    QHash<QString, std::shared_ptr<LoadedFace>>& faces = loadedFiles();
    QMutexLocker lock(&cacheMutex());
    const QString key = face.file + u'#' + QString::number(face.index);
    auto it = faces.find(key);
    if (it == faces.end()) {
        // Font files run to tens of megabytes (a full CJK collection); a
        // larger or odd file (a pipe, a device) is taken for no font.
        std::shared_ptr<LoadedFace> loaded;
        if (auto mapped = files::mapRegularFile(face.file, qint64(256) * 1024 * 1024))
            loaded = std::make_shared<LoadedFace>(face.file, face.index, face.family, std::move(mapped));
        it = faces.insert(key, loaded);
    }
    byName.insert(documentFontName, it->get());
    return it->get();
}

bool someLoadedFaceHas(char32_t cp)
{
    QMutexLocker lock(&cacheMutex());
    for (const std::shared_ptr<LoadedFace>& face : std::as_const(loadedFiles()))
        if (face && face->hasGlyph(cp))
            return true;
    return false;
}

} // namespace fonts
