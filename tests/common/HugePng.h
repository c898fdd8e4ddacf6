// A valid PNG of any pixel size: one-bit grey with every pixel white, a few
// kilobytes even when too large to decode; or, as a photograph is, eight-bit
// colour of pixels that do not repeat, slow to decode.
#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cstdint>

enum class PngPixels { White, Noise };

inline QByteArray hugePng(uint32_t width, uint32_t height, PngPixels pixels = PngPixels::White)
{
    auto crc = [](const QByteArray& b) {
        uint32_t c = 0xFFFFFFFFu;
        for (char ch : b) {
            c ^= uint8_t(ch);
            for (int k = 0; k < 8; ++k)
                c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
        }
        return c ^ 0xFFFFFFFFu;
    };
    auto be32 = [](uint32_t v) {
        QByteArray b(4, '\0');
        qToBigEndian(v, b.data());
        return b;
    };
    auto chunk = [&](const char* type, const QByteArray& data) {
        const QByteArray body = QByteArray(type, 4) + data;
        return be32(uint32_t(data.size())) + body + be32(crc(body));
    };
    const bool noise = pixels == PngPixels::Noise;
    QByteArray ihdr = be32(width) + be32(height);
    ihdr += char(noise ? 8 : 1); // bit depth
    ihdr += char(noise ? 2 : 0); // colour or grey
    ihdr += QByteArray(3, '\0');
    // Each row: filter 0, then the pixels.
    const qsizetype rowBytes = noise ? qsizetype(width) * 3 : qsizetype(width + 7) / 8;
    QByteArray raw(qsizetype(rowBytes + 1) * height, char(0xFF));
    uint32_t seed = 1;
    for (uint32_t y = 0; y < height; ++y) {
        char* row = raw.data() + qsizetype(rowBytes + 1) * y;
        row[0] = 0;
        if (noise)
            for (qsizetype i = 1; i <= rowBytes; ++i) {
                seed = seed * 1103515245u + 12345u;
                row[i] = char(seed >> 16);
            }
    }
    const QByteArray z = qCompress(raw, noise ? 1 : 9).mid(4); // zlib stream without Qt's length prefix
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", z) + chunk("IEND", {});
}
