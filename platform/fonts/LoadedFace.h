// Font files loaded once and kept for the life of the program: a HarfBuzz
// font in design units for shaping and measuring, and raw fonts for drawing.
// One face per file serves both; the file is mapped, not read whole, so the
// first page reads only the tables and glyphs it uses.
#pragma once

#include "platform/fonts/FontCatalog.h"

#include <QHash>
#include <QRawFont>
#include <hb.h>
#include <memory>

namespace files {
class MappedFile;
}

namespace fonts {

class LoadedFace {
public:
    LoadedFace(const QString& file, int index, const QString& family, std::unique_ptr<files::MappedFile> data);
    ~LoadedFace();
    LoadedFace(const LoadedFace&) = delete;
    LoadedFace& operator=(const LoadedFace&) = delete;

    hb_font_t* hbFont() const { return font_; } // scale = unitsPerEm: positions in design units
    int unitsPerEm() const { return upem_; }
    // Whether the face has a glyph of its own (not the empty box) for the character.
    bool hasGlyph(char32_t cp) const;
    // Ascent and descent as fractions of the em, scaled so that they add up
    // to one em: a line of this face is exactly as high as its point size.
    double ascentEm() const { return ascentEm_; }
    double descentEm() const { return 1.0 - ascentEm_; }
    // The raw ascender - descender of the face, in ems (text height).
    double lineHeightEm() const { return lineHeightEm_; }
    // A drawing font at a pixel size, cached per size.
    QRawFont rawFont(double pixelSize) const;
    const QString& file() const { return file_; }

private:
    QString file_;
    int index_ = 0;
    std::unique_ptr<files::MappedFile> data_;
    hb_blob_t* blob_ = nullptr;
    hb_face_t* face_ = nullptr;
    hb_font_t* font_ = nullptr;
    int upem_ = 1000;
    double ascentEm_ = 0.88;
    double lineHeightEm_ = 1.0;
    mutable QRawFont base_;
    mutable QHash<qint64, QRawFont> bySize_;
};

// The loaded face for a document font name; nullptr when no usable font file
// exists at all (callers then measure with nominal em widths and draw nothing).
const LoadedFace* loadedFace(const QString& documentFontName);
// Whether a face loaded so far has a glyph of its own for the character:
// asked before searching every installed font.
bool someLoadedFaceHas(char32_t cp);

} // namespace fonts
