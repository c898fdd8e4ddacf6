// Pictures inside RTF: the blip formats a \pict group may hold, turned into
// the PNG the document model draws, and the sizes RTF gives them in twips.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QSizeF>
#include <QString>

namespace rt::rtfpict {

constexpr double kTwipsPerMm = 56.7;
constexpr double kTwipsPerPixel = 15.0; // 1440 twips to the inch at 96 pixels

enum class Format { None, Png, Jpeg, Dib, WindowsBitmap, WindowsMetafile, Emf, Other };

// A \pict group as read: its format word, its size words and its data.
struct PictureData {
    Format format = Format::None;
    QByteArray formatWord;   // the control word as written, e.g. "wmetafile8"
    int picw = 0, pich = 0;  // pixels for bitmaps, 0.01 mm for metafiles
    int goalw = 0, goalh = 0;      // twips
    int scalex = 100, scaley = 100; // percent
    QByteArray data;
};

// The PNG to draw for a picture, converting JPEG and device-independent
// bitmaps; empty when the format cannot be drawn or the data is damaged.
QByteArray toPng(const PictureData& pict);

// The drawn size in millimetres: the goal size when given, else the natural
// size from \picw/\pich (or, failing those, `pixels`), both scaled.
QSizeF sizeMm(const PictureData& pict, QSize pixels);

// Pixel size of a PNG from its header, without decoding it; empty when the
// data is not a PNG.
QSize pngPixelSize(const QByteArray& png);

QByteArray hexEncode(const QByteArray& data, int lineLength);

} // namespace rt::rtfpict
