#include "platform/text/Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace cp932 {

namespace {

// A conversion descriptor, opened once per thread and direction (opening
// costs more than converting a line); its shift state is reset before each
// use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of in; on failure returns the offset of the first input
    // byte that could not be converted and the errno that iconv gave.
    bool run(const QByteArray& in, QByteArray& out, qsizetype& badOffset, int& why)
    {
        out.clear();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.constData());
        size_t srcLeft = size_t(in.size());
        std::vector<char> buf(size_t(in.size()) * 4 + 16);
        while (true) {
            char* dst = buf.data();
            size_t dstLeft = buf.size();
            // A null source at the end flushes any shift state.
            const size_t r = srcLeft ? iconv(cd_, &src, &srcLeft, &dst, &dstLeft)
                                     : iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
            out.append(buf.data(), qsizetype(buf.size() - dstLeft));
            if (r != size_t(-1)) {
                if (srcLeft == 0)
                    return true;
                continue;
            }
            if (errno == E2BIG)
                continue;
            why = errno;
            badOffset = qsizetype(src - in.constData());
            return false;
        }
    }

private:
    iconv_t cd_;
};

void setError(Error* err, qsizetype pos, const QString& msg)
{
    if (err) {
        err->failed = true;
        err->position = pos;
        err->message = msg;
    }
}

void clearError(Error* err)
{
    if (err)
        *err = Error{};
}

QString byteText(const QByteArray& bytes, qsizetype pos)
{
    QString hex;
    for (qsizetype i = pos; i < bytes.size() && i < pos + 2; ++i)
        hex += QStringLiteral("%1 ").arg(uchar(bytes[i]), 2, 16, QChar(u'0')).toUpper();
    return hex.trimmed();
}

} // namespace

QString decode(const QByteArray& bytes, Error* err)
{
    clearError(err);
    thread_local Converter conv("UTF-16LE", "CP932");
    if (!conv.ok()) {
        setError(err, 0, QStringLiteral("シフトJIS（コードページ932）の変換が使えません。"));
        return {};
    }
    QByteArray utf16;
    qsizetype bad = -1;
    int why = 0;
    if (!conv.run(bytes, utf16, bad, why)) {
        setError(err, bad,
                 why == EINVAL
                     ? QStringLiteral("シフトJIS（コードページ932）の文字が途中で切れています: %1バイト目（%2）").arg(bad + 1).arg(byteText(bytes, bad))
                     : QStringLiteral("シフトJIS（コードページ932）として読めないバイトがあります: %1バイト目（%2）").arg(bad + 1).arg(byteText(bytes, bad)));
        return {};
    }
    return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2);
}

QString toCp932Repertoire(const QString& text)
{
    QString s = text;
    for (QChar& c : s) {
        switch (c.unicode()) {
        case 0x301C: c = QChar(0xFF5E); break; // 〜 WAVE DASH -> FULLWIDTH TILDE
        case 0x2016: c = QChar(0x2225); break; // ‖ DOUBLE VERTICAL LINE -> PARALLEL TO
        case 0x2212: c = QChar(0xFF0D); break; // − MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
        case 0x00A2: c = QChar(0xFFE0); break; // ¢
        case 0x00A3: c = QChar(0xFFE1); break; // £
        case 0x00AC: c = QChar(0xFFE2); break; // ¬
        case 0x2014: c = QChar(0x2015); break; // — EM DASH -> HORIZONTAL BAR (JIS 1-29 in both tables)
        default: break;
        }
    }
    return s;
}

QByteArray encode(const QString& original, Error* err)
{
    clearError(err);
    // Input methods here type the JIS forms of these marks; the code page
    // holds the same marks under other code points.
    const QString text = toCp932Repertoire(original);
    thread_local Converter conv("CP932", "UTF-16LE");
    if (!conv.ok()) {
        setError(err, 0, QStringLiteral("シフトJIS（コードページ932）の変換が使えません。"));
        return {};
    }
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QByteArray out;
    qsizetype bad = -1;
    int why = 0;
    const auto refuse = [&](qsizetype index) {
        const bool pair = index + 1 < text.size() && text.at(index).isHighSurrogate() && text.at(index + 1).isLowSurrogate();
        const uint cp = index < text.size()
            ? (pair ? QChar::surrogateToUcs4(text.at(index), text.at(index + 1)) : text.at(index).unicode())
            : 0;
        const QString hex = QStringLiteral("%1").arg(cp, 4, 16, QChar(u'0')).toUpper();
        const QString shown = index < text.size() && !text.at(index).isSurrogate() && text.at(index).isPrint()
            ? QStringLiteral("「%1」").arg(original.at(index))
            : QString();
        setError(err, index,
                 QStringLiteral("シフトJIS（コードページ932）で書けない文字があります: %1U+%2（%3文字目）")
                     .arg(shown, hex)
                     .arg(index + 1));
        return QByteArray();
    };
    if (!conv.run(utf16, out, bad, why))
        return refuse(bad / 2);
    // iconv quietly writes some characters as others (¥ as a backslash,
    // ‾ as a tilde) and drops some (language tags). Whatever does not read
    // back as itself is refused, naming the first such character.
    const QString back = decode(out);
    if (back != text) {
        qsizetype i = 0;
        while (i < back.size() && i < text.size() && back.at(i) == text.at(i))
            ++i;
        return refuse(i);
    }
    return out;
}

QStringList decodeLines(const QByteArray& bytes, Error* err)
{
    const QString text = decode(bytes, err);
    if (err && err->failed)
        return {};
    QStringList lines;
    QString cur;
    bool open = false; // a line has begun and awaits its end
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(cur);
            cur.clear();
            open = false;
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            cur.append(c);
            open = true;
        }
    }
    if (open)
        lines.append(cur);
    return lines;
}

QByteArray encodeLines(const QStringList& lines, Error* err)
{
    QString text;
    for (const QString& l : lines) {
        text += l;
        text += QStringLiteral("\r\n");
    }
    Error local;
    QByteArray out = encode(text, &local);
    if (local.failed) {
        // Report the position as line and column, which is what a user can find.
        qsizetype pos = local.position;
        int line = 0;
        for (; line < lines.size() && pos >= lines[line].size() + 2; ++line)
            pos -= lines[line].size() + 2;
        local.message += QStringLiteral("（%1行目の%2文字目）").arg(line + 1).arg(pos + 1);
        if (err)
            *err = local;
        return {};
    }
    clearError(err);
    return out;
}

} // namespace cp932
