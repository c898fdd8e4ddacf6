#include "platform/richtext/PictureCache.h"

#include <QBuffer>
#include <QImageReader>
#include <QMutex>
#include <list>

namespace rt {

namespace {

// The images kept: enough for the pictures of a few pages on screen and
// one at print resolution; the last one drawn is always kept.
constexpr qint64 KeptBytes = 192LL * 1024 * 1024;
constexpr size_t KeptEntries = 64;

struct Entry {
    QByteArray bytes; // held, so that its data cannot be freed and reused by other bytes
    QSize pixels;     // as asked
    QImage image;
};

struct Cache {
    QMutex mutex;
    std::list<Entry> entries; // the most recently drawn first
    qint64 imageBytes = 0;
    qint64 decodes = 0;
};

Cache& cache()
{
    static Cache c;
    return c;
}

QImage decode(const QByteArray& bytes, QSize pixels)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize own = reader.size();
    const bool smaller = own.isValid() && (pixels.width() < own.width() || pixels.height() < own.height());
    if (smaller && reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(pixels);
    QImage img = reader.read();
    if (!img.isNull() && smaller && img.size() != pixels)
        img = img.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return img;
}

} // namespace

QImage drawnPicture(const QByteArray& bytes, QSize pixels)
{
    if (bytes.isEmpty())
        return {};
    pixels = pixels.expandedTo(QSize(1, 1));
    Cache& c = cache();
    QMutexLocker lock(&c.mutex);
    for (auto it = c.entries.begin(); it != c.entries.end(); ++it) {
        if (it->bytes.constData() == bytes.constData() && it->bytes.size() == bytes.size() && it->pixels == pixels) {
            c.entries.splice(c.entries.begin(), c.entries, it);
            return it->image;
        }
    }
    ++c.decodes;
    Entry e{bytes, pixels, decode(bytes, pixels)};
    c.imageBytes += e.image.sizeInBytes();
    c.entries.push_front(std::move(e));
    while (c.entries.size() > 1 && (c.imageBytes > KeptBytes || c.entries.size() > KeptEntries)) {
        c.imageBytes -= c.entries.back().image.sizeInBytes();
        c.entries.pop_back();
    }
    return c.entries.front().image;
}

qint64 pictureDecodeCount()
{
    QMutexLocker lock(&cache().mutex);
    return cache().decodes;
}

} // namespace rt
