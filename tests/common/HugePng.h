// A valid PNG of any pixel size in a few kilobytes: one-bit grey, every
// pixel white. Too large to decode, small enough to keep in a test folder.
#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cstdint>

inline QByteArray hugePng(uint32_t width, uint32_t height)
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
    QByteArray ihdr = be32(width) + be32(height);
    ihdr += char(1); // bit depth
    ihdr += char(0); // grey
    ihdr += QByteArray(3, '\0');
    // Each row: filter 0, then (width + 7) / 8 bytes of white.
    const QByteArray row = QByteArray(1, '\0') + QByteArray(int((width + 7) / 8), char(0xFF));
    QByteArray raw;
    raw.reserve(qsizetype(row.size()) * height);
    for (uint32_t y = 0; y < height; ++y)
        raw += row;
    const QByteArray z = qCompress(raw, 9).mid(4); // zlib stream without Qt's length prefix
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", z) + chunk("IEND", {});
}
