#include "platform/richtext/RtfPicture.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <cmath>

namespace rt::rtfpict {

namespace {

QByteArray imageToPng(const QImage& img)
{
    if (img.isNull())
        return {};
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    if (!img.save(&buf, "PNG"))
        return {};
    return png;
}

// A DIB is a BMP file without its 14-byte file header. The header's pixel
// offset depends on the info header's size and its colour table, which is
// also where a damaged DIB is caught before any pixels are allocated.
QByteArray dibToPng(const QByteArray& dib)
{
    if (dib.size() < 16)
        return {};
    const auto* p = reinterpret_cast<const uchar*>(dib.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(p);
    qint64 width = 0, height = 0;
    quint32 bitCount = 0, compression = 0, colorsUsed = 0;
    if (headerSize == 12) { // BITMAPCOREHEADER
        width = qFromLittleEndian<quint16>(p + 4);
        height = qFromLittleEndian<quint16>(p + 6);
        bitCount = qFromLittleEndian<quint16>(p + 10);
    } else if (headerSize >= 40 && headerSize <= quint32(dib.size())) {
        width = qFromLittleEndian<qint32>(p + 4);
        height = std::abs(qint64(qFromLittleEndian<qint32>(p + 8)));
        bitCount = qFromLittleEndian<quint16>(p + 14);
        compression = qFromLittleEndian<quint32>(p + 16);
        colorsUsed = qFromLittleEndian<quint32>(p + 32);
    } else {
        return {};
    }
    if (width <= 0 || height <= 0 || width > 20000 || height > 20000)
        return {};
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24
        && bitCount != 32)
        return {};
    const qint64 entrySize = headerSize == 12 ? 3 : 4;
    qint64 colors = colorsUsed ? qint64(colorsUsed) : (bitCount <= 8 ? (qint64(1) << bitCount) : 0);
    if (colors > 256)
        return {};
    qint64 masks = (headerSize == 40 && compression == 3 /* BI_BITFIELDS */) ? 12 : 0;
    const qint64 offBits = 14 + headerSize + masks + colors * entrySize;
    if (compression == 0 || compression == 3) {
        const qint64 stride = ((width * bitCount + 31) / 32) * 4;
        if (offBits - 14 + stride * height > dib.size())
            return {};
    } else if (offBits - 14 > dib.size()) {
        return {};
    }
    QByteArray bmp;
    bmp.reserve(dib.size() + 14);
    bmp.append("BM", 2);
    uchar header[12];
    qToLittleEndian<quint32>(quint32(dib.size() + 14), header);
    qToLittleEndian<quint32>(0, header + 4);
    qToLittleEndian<quint32>(quint32(offBits), header + 8);
    bmp.append(reinterpret_cast<const char*>(header), 12);
    bmp.append(dib);
    return imageToPng(QImage::fromData(bmp, "BMP"));
}

int safeScale(int percent)
{
    return percent > 0 ? percent : 100;
}

} // namespace

QByteArray toPng(const PictureData& pict)
{
    switch (pict.format) {
    case Format::Png:
        return pict.data;
    case Format::Jpeg:
        return imageToPng(QImage::fromData(pict.data, "JPG"));
    case Format::Dib:
        return dibToPng(pict.data);
    default:
        return {};
    }
}

QSizeF sizeMm(const PictureData& pict, QSize pixels)
{
    const bool metafile = pict.format == Format::WindowsMetafile || pict.format == Format::Emf;
    auto natural = [&](int given, int fromImage) {
        if (given > 0)
            return metafile ? given * kTwipsPerMm / 100.0 : given * kTwipsPerPixel;
        return fromImage > 0 ? fromImage * kTwipsPerPixel : 0.0;
    };
    const double tw = pict.goalw > 0 ? pict.goalw : natural(pict.picw, pixels.width());
    const double th = pict.goalh > 0 ? pict.goalh : natural(pict.pich, pixels.height());
    return QSizeF(tw * safeScale(pict.scalex) / 100.0 / kTwipsPerMm,
                  th * safeScale(pict.scaley) / 100.0 / kTwipsPerMm);
}

QSize pngPixelSize(const QByteArray& png)
{
    static const char sig[] = "\x89PNG\r\n\x1a\n";
    if (png.size() < 24 || !png.startsWith(QByteArray(sig, 8)) || png.mid(12, 4) != "IHDR")
        return {};
    const auto* p = reinterpret_cast<const uchar*>(png.constData());
    return QSize(int(qFromBigEndian<quint32>(p + 16) & 0x7FFFFFFF),
                 int(qFromBigEndian<quint32>(p + 20) & 0x7FFFFFFF));
}

QByteArray hexEncode(const QByteArray& data, int lineLength)
{
    static const char digits[] = "0123456789abcdef";
    const qsizetype n = data.size();
    QByteArray out;
    out.resize(n * 2 + (n * 2 / lineLength + 1) * 2);
    char* o = out.data();
    int col = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const uchar b = uchar(data[i]);
        *o++ = digits[b >> 4];
        *o++ = digits[b & 15];
        col += 2;
        if (col >= lineLength && i + 1 < n) {
            *o++ = '\r';
            *o++ = '\n';
            col = 0;
        }
    }
    out.truncate(o - out.data());
    return out;
}

} // namespace rt::rtfpict
