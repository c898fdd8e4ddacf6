#include "platform/richtext/RtfWriter.h"

#include "platform/richtext/RtfCodepage.h"
#include "platform/richtext/RtfPicture.h"

#include <QRegularExpression>
#include <cmath>

namespace rt {

namespace {

constexpr int kHexLine = 128;

int halfPoints(double points)
{
    return std::max(1, int(std::lround(points * 2)));
}

int twips(double mm)
{
    return int(std::lround(std::max(0.0, mm) * rtfpict::kTwipsPerMm));
}

// A placeholder picture keeps the control word of its original format; only
// picture format words are written back from it.
QByteArray placeholderFormatWord(const QString& stored)
{
    static const QRegularExpression re(
        QStringLiteral("^(wmetafile\\d{1,2}|emfblip|jpegblip|pngblip|dibitmap\\d{1,2}|wbitmap\\d{1,2}|macpict|pmmetafile\\d{1,6})$"));
    if (re.match(stored).hasMatch())
        return stored.toLatin1();
    return QByteArrayLiteral("wmetafile8");
}

} // namespace

RtfWriter::RtfWriter(const RichDocument& doc) : doc_(doc) {}

QByteArray RtfWriter::write()
{
    collectTables();
    writeHeader();
    for (const Paragraph& p : doc_.paragraphs) {
        for (const Inline& item : p.items) {
            if (item.isObject()) {
                writeFormat(item.format);
                writeObject(*item.object);
            } else if (!item.text.isEmpty()) {
                writeFormat(item.format);
                writeText(item.text);
            }
        }
        writeFormat(p.mark);
        word("par");
        out_.append("\r\n");
        needDelimiter_ = false;
    }
    out_.append("}\r\n");
    return std::move(out_);
}

void RtfWriter::collectTables()
{
    auto addFont = [this](const CharFormat& f) {
        if (!fontIndex_.contains(f.fontName)) {
            fontIndex_.insert(f.fontName, int(fonts_.size()));
            fonts_.append(f.fontName);
        }
        if (f.color != 0 && !colorIndex_.contains(f.color)) {
            colorIndex_.insert(f.color, int(colors_.size()) + 1); // entry 0 is "auto"
            colors_.append(f.color);
        }
    };
    for (const Paragraph& p : doc_.paragraphs) {
        for (const Inline& item : p.items)
            addFont(item.format);
        addFont(p.mark);
    }
    if (fonts_.isEmpty())
        addFont(CharFormat());
}

void RtfWriter::writeHeader()
{
    qsizetype estimate = 512;
    for (const Paragraph& p : doc_.paragraphs)
        for (const Inline& item : p.items)
            estimate += item.isObject() ? item.object->png.size() * 2 + item.object->objectData.size() * 2 + 256
                                        : item.text.size() * 12;
    out_.reserve(estimate);
    out_.append("{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl");
    for (int i = 0; i < fonts_.size(); ++i) {
        out_.append("{");
        word("f", i);
        word("fnil");
        word("fcharset", 128);
        writeFontName(fonts_[i]);
        out_.append(";}");
        needDelimiter_ = false;
        uc_ = 1; // \uc is a group's property: back to the document's
    }
    out_.append("}\r\n{\\colortbl ;");
    for (Color c : colors_) {
        word("red", c & 0xFF);
        word("green", (c >> 8) & 0xFF);
        word("blue", (c >> 16) & 0xFF);
        out_.append(";");
        needDelimiter_ = false;
    }
    out_.append("}\r\n");
    word("viewkind", 4);
    word("uc", 1);
    word("pard");
    word("lang", 1041);
    state_ = State{}; // \f0 (\deff0) at 12 points, as RTF starts
}

// Font names go in as CP932 bytes, the form every reader of \fcharset128
// understands; only a name outside the code page needs \uN.
void RtfWriter::writeFontName(const QString& name)
{
    static const char digits[] = "0123456789abcdef";
    QByteArray escaped = " ";
    for (QChar c : name) {
        const QByteArray b = rtfcp::encode932(c.unicode());
        const bool plain = b.size() == 1 && uchar(b[0]) >= 0x20 && uchar(b[0]) < 0x80;
        if (b.isEmpty() || (plain && QByteArrayView(";\\{}").contains(b[0])) || (b.size() == 1 && uchar(b[0]) < 0x20)) {
            writeText(name, true);
            return;
        }
        if (plain) {
            escaped += b;
            continue;
        }
        for (char x : b) { // both bytes escaped: a trail byte may be '\\', '{' or '}'
            escaped += "\\'";
            escaped += digits[uchar(x) >> 4];
            escaped += digits[uchar(x) & 15];
        }
    }
    out_.append(escaped);
    needDelimiter_ = false;
}

void RtfWriter::writeFormat(const CharFormat& f)
{
    const int font = fontIndex_.value(f.fontName);
    if (font != state_.font)
        word("f", state_.font = font);
    const int hp = halfPoints(f.size);
    if (hp != state_.halfPoints)
        word("fs", state_.halfPoints = hp);
    if (f.bold != state_.bold)
        (state_.bold = f.bold) ? word("b") : word("b", 0);
    if (f.italic != state_.italic)
        (state_.italic = f.italic) ? word("i") : word("i", 0);
    if (f.underline != state_.underline)
        (state_.underline = f.underline) ? word("ul") : word("ulnone");
    if (f.strike != state_.strike)
        (state_.strike = f.strike) ? word("strike") : word("strike", 0);
    const int color = f.color ? colorIndex_.value(f.color) : 0;
    if (color != state_.color)
        word("cf", state_.color = color);
    const int offset = int(std::lround(f.offset * 2));
    if (offset != state_.offsetHalf) {
        state_.offsetHalf = offset;
        offset >= 0 ? word("up", offset) : word("dn", -offset);
    }
}

void RtfWriter::writeText(const QString& text, bool inFontTable)
{
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c >= 0x20 && c < 0x7F) {
            if (inFontTable && c == ';') {
                writeUnicode(c, QByteArray(1, ';')); // a bare ';' would end the entry
            } else if (c == '\\' || c == '{' || c == '}') {
                out_.append('\\');
                out_.append(char(c));
                needDelimiter_ = false;
            } else {
                literal(char(c));
            }
        } else if (c == u'\t' && !inFontTable) {
            word("tab");
        } else {
            writeUnicode(c, rtfcp::encode932(c));
        }
    }
}

// \uN with its code-page form for readers without Unicode. \uc counts the
// fallback's bytes, so a double-byte character is written under \uc2.
void RtfWriter::writeUnicode(char16_t c, const QByteArray& fallback)
{
    const bool usable = !fallback.isEmpty() && uchar(fallback[0]) >= 0x20;
    const int n = usable ? int(fallback.size()) : 1;
    if (n != uc_)
        word("uc", uc_ = n);
    word("u", c >= 0x8000 ? int(c) - 0x10000 : int(c));
    if (!usable) {
        out_.append('?');
    } else {
        static const char digits[] = "0123456789abcdef";
        for (char b : fallback) {
            out_.append("\\'");
            out_.append(digits[uchar(b) >> 4]);
            out_.append(digits[uchar(b) & 15]);
        }
    }
    needDelimiter_ = false;
}

void RtfWriter::writeObject(const EmbeddedObject& obj)
{
    if (obj.kind == EmbeddedObject::Kind::Picture) {
        writePicture(obj, false);
        return;
    }
    out_.append("{\\object\\objemb{\\*\\objclass ");
    needDelimiter_ = false;
    const int uc = uc_;
    writeText(obj.objectClass);
    out_.append("}");
    uc_ = uc;
    word("objw", twips(obj.sizeMm.width()));
    word("objh", twips(obj.sizeMm.height()));
    out_.append("{\\*\\objdata\r\n");
    out_.append(rtfpict::hexEncode(obj.objectData, kHexLine));
    out_.append("}");
    if (!obj.png.isEmpty() || obj.metafilePlaceholder) {
        out_.append("{\\result ");
        writePicture(obj, true);
        out_.append("}");
    }
    out_.append("}");
    needDelimiter_ = false;
}

void RtfWriter::writePicture(const EmbeddedObject& pic, bool asResult)
{
    // The object's own data is not picture data: a placeholder result is
    // written without its metafile.
    const bool placeholder = pic.png.isEmpty();
    const QByteArray format = placeholder && !asResult ? placeholderFormatWord(pic.objectClass)
                              : placeholder            ? QByteArrayLiteral("wmetafile8")
                                                       : QByteArrayLiteral("pngblip");
    const QByteArray& data = placeholder ? (asResult ? QByteArray() : pic.objectData) : pic.png;
    out_.append("{\\pict\\");
    out_.append(format);
    needDelimiter_ = true;
    const QSize px = placeholder ? QSize() : rtfpict::pngPixelSize(pic.png);
    const int gw = twips(pic.sizeMm.width()), gh = twips(pic.sizeMm.height());
    if (format.startsWith("wmetafile") || format == "emfblip" || format.startsWith("pmmetafile")) {
        word("picw", std::lround(pic.sizeMm.width() * 100)); // 0.01 mm
        word("pich", std::lround(pic.sizeMm.height() * 100));
    } else if (px.isValid()) {
        word("picw", px.width());
        word("pich", px.height());
    } else {
        word("picw", std::lround(gw / rtfpict::kTwipsPerPixel));
        word("pich", std::lround(gh / rtfpict::kTwipsPerPixel));
    }
    word("picwgoal", gw);
    word("pichgoal", gh);
    out_.append("\r\n");
    out_.append(rtfpict::hexEncode(data, kHexLine));
    out_.append("}");
    needDelimiter_ = false;
}

void RtfWriter::word(const char* w)
{
    out_.append('\\');
    out_.append(w);
    needDelimiter_ = true;
}

void RtfWriter::word(const char* w, qint64 param)
{
    out_.append('\\');
    out_.append(w);
    out_.append(QByteArray::number(param));
    needDelimiter_ = true;
}

void RtfWriter::literal(char c)
{
    if (needDelimiter_) {
        out_.append(' ');
        needDelimiter_ = false;
    }
    out_.append(c);
}

} // namespace rt
