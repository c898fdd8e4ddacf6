// Picture files as the program reads them: through the one regular-file
// check, so that a pipe or a device named as a picture never hangs a read,
// and with a picture too large to hold in memory told apart from a file
// that is no picture at all.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace files {

// Photographs of a few tens of megabytes are read; larger files are refused
// before any of them is read.
inline constexpr qint64 MaxPictureFileBytes = 256LL * 1024 * 1024;
// Decoded at four bytes a pixel, this is 256 MB: 64 megapixels.
inline constexpr qint64 MaxPicturePixels = 64LL * 1024 * 1024;

enum class PictureStatus {
    Ok,
    Missing,    // no file of that name
    Refused,    // not a regular file, too many bytes, or not readable
    TooLarge,   // a picture, but of more pixels than can be decoded
    NotPicture, // no picture format the program reads, or damaged data
};

struct PictureRead {
    PictureStatus status = PictureStatus::NotPicture;
    QImage image;   // the picture, turned as its camera tags say; null unless Ok
    QSize size;     // pixels as the data states them, when it states them
    QString reason; // why it was not read, in words for the user
    bool ok() const { return status == PictureStatus::Ok; }
};

// A picture from bytes in memory (a file's or an embedded object's).
PictureRead decodePicture(const QByteArray& bytes);

// A picture file, read whole through readRegularFile and then decoded.
PictureRead readPictureFile(const QString& path, qint64 maxBytes = MaxPictureFileBytes);

} // namespace files
