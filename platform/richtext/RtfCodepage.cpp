#include "platform/richtext/RtfCodepage.h"

#include "platform/text/Cp932.h"

#include <array>
#include <memory>
#include <mutex>

namespace rt::rtfcp {

namespace {

// Lead-byte rows in the order whose code a character takes when the code
// page holds it twice (NEC row 13 and the IBM extensions repeat marks of
// JIS X 0208): the JIS rows first, then NEC row 13, then the IBM extension
// rows, and the NEC-selected copies of the IBM extensions last.
constexpr std::array<std::pair<int, int>, 7> kLeadOrder{{
    {0x81, 0x86}, {0x88, 0x9F}, {0xE0, 0xEC}, {0x87, 0x87}, {0xFA, 0xFC}, {0xF0, 0xF9}, {0xED, 0xEF},
}};

struct Tables {
    std::array<char16_t, 256> single{};      // 0: undefined (NUL is handled apart)
    std::array<char16_t, 65536> dbcs{};      // by lead << 8 | trail; 0: undefined
    std::array<uint16_t, 65536> reverse{};   // by UTF-16 unit; 0: none
};

// Decodes each pair of one lead-byte row, a few converter calls per row:
// a failing pair ends one call and the next call starts after it.
void fillRow(Tables& t, int lead)
{
    QByteArray row;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F)
            continue;
        row.append(char(lead));
        row.append(char(trail));
    }
    qsizetype from = 0;
    while (from < row.size()) {
        cp932::Error err;
        const QByteArray part = row.mid(from);
        QString text = cp932::decode(part, &err);
        qsizetype goodPairs = part.size() / 2;
        if (err.failed) {
            goodPairs = err.position / 2;
            text = cp932::decode(part.left(goodPairs * 2));
        }
        for (qsizetype i = 0; i < goodPairs && i < text.size(); ++i) {
            const uint16_t code = uint16_t(uchar(part[2 * i]) << 8 | uchar(part[2 * i + 1]));
            const char16_t c = text[i].unicode();
            t.dbcs[code] = c;
            if (!t.reverse[c])
                t.reverse[c] = code;
        }
        from += (goodPairs + 1) * 2; // past the failing pair
    }
}

const Tables& tables()
{
    static std::unique_ptr<Tables> t;
    static std::once_flag once;
    std::call_once(once, [] {
        t = std::make_unique<Tables>();
        for (int b = 0x01; b <= 0xFF; ++b) {
            if (isLeadByte(uchar(b)))
                continue;
            cp932::Error err;
            const QString s = cp932::decode(QByteArray(1, char(b)), &err);
            if (!err.failed && s.size() == 1) {
                t->single[b] = s[0].unicode();
                if (!t->reverse[s[0].unicode()])
                    t->reverse[s[0].unicode()] = uint16_t(b);
            }
        }
        for (const auto& [first, last] : kLeadOrder)
            for (int lead = first; lead <= last; ++lead)
                fillRow(*t, lead);
    });
    return *t;
}

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

CodePage forCharset(int charset, int ansiCodePage)
{
    if (charset == 128)
        return CodePage::Cp932;
    if (charset < 0 || charset == 1) // none or DEFAULT_CHARSET: the document's code page
        return ansiCodePage == 932 ? CodePage::Cp932 : CodePage::Cp1252;
    return CodePage::Cp1252;
}

bool isLeadByte(uchar b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool decode(const QByteArray& bytes, CodePage cp, QString& out, qsizetype* badAt)
{
    const qsizetype n = bytes.size();
    out.reserve(out.size() + n);
    if (cp == CodePage::Cp1252) {
        for (qsizetype i = 0; i < n; ++i) {
            const uchar b = uchar(bytes[i]);
            out.append(QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b)));
        }
        return true;
    }
    const Tables* t = nullptr;
    for (qsizetype i = 0; i < n; ++i) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80) {
            out.append(QChar(char16_t(b)));
            continue;
        }
        if (!t)
            t = &tables();
        char16_t c = 0;
        if (isLeadByte(b)) {
            if (i + 1 < n)
                c = t->dbcs[b << 8 | uchar(bytes[i + 1])];
            if (c)
                ++i;
        } else {
            c = t->single[b];
        }
        if (!c) {
            if (badAt)
                *badAt = i;
            return false;
        }
        out.append(QChar(c));
    }
    return true;
}

QByteArray encode932(char16_t c)
{
    if (c < 0x80)
        return QByteArray(1, char(c));
    const uint16_t code = tables().reverse[c];
    if (!code)
        return {};
    if (code < 0x100)
        return QByteArray(1, char(code));
    const char pair[2] = {char(code >> 8), char(code & 0xFF)};
    return QByteArray(pair, 2);
}

} // namespace rt::rtfcp
