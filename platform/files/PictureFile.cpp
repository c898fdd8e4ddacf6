#include "platform/files/PictureFile.h"

#include "platform/files/SafeFile.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>

namespace files {

namespace {

constexpr int MaxPictureMegabytes = int(MaxPicturePixels * 4 / (1024 * 1024));

PictureRead refused(PictureStatus status, const QString& reason)
{
    PictureRead r;
    r.status = status;
    r.reason = reason;
    return r;
}

QString tooLargeReason(const QSize& size)
{
    return QStringLiteral("画像が大きすぎます（%1×%2 ピクセル）。%3 万ピクセルまでの画像を使ってください。")
        .arg(size.width())
        .arg(size.height())
        .arg(MaxPicturePixels / 10000);
}

} // namespace

PictureRead decodePicture(const QByteArray& bytes)
{
    // Qt's own guard against huge pictures must not be tighter than ours.
    static const bool limitSet = [] {
        if (QImageReader::allocationLimit() < MaxPictureMegabytes)
            QImageReader::setAllocationLimit(MaxPictureMegabytes);
        return true;
    }();
    (void)limitSet;

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return refused(PictureStatus::NotPicture, QStringLiteral("画像として読み込めない形式のファイルです。"));
    PictureRead r;
    r.size = reader.size();
    if (r.size.isValid() && qint64(r.size.width()) * r.size.height() > MaxPicturePixels) {
        r.status = PictureStatus::TooLarge;
        r.reason = tooLargeReason(r.size);
        return r;
    }
    r.image = reader.read();
    if (r.image.isNull()) {
        r.status = PictureStatus::NotPicture;
        r.reason = QStringLiteral("画像のデータが壊れているか、読み込めない形式です。");
        return r;
    }
    r.status = PictureStatus::Ok;
    if (!r.size.isValid())
        r.size = r.image.size();
    return r;
}

PictureRead readPictureFile(const QString& path, qint64 maxBytes)
{
    const ReadResult file = readRegularFile(path, maxBytes);
    if (file.status == ReadStatus::Missing)
        return refused(PictureStatus::Missing, file.reason);
    if (!file.ok())
        return refused(PictureStatus::Refused, file.reason);
    return decodePicture(file.bytes);
}

} // namespace files
