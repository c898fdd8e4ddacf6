#include "platform/richtext/RichTextEditClipboard.h"

#include "platform/richtext/DocumentEdit.h"
#include "platform/richtext/Rtf.h"

#include <QBuffer>

namespace rt::clip {

namespace {

constexpr double MmPerInch = 25.4;
constexpr double ScreenDpi = 96.0;

// Sets every part of the box's insertion format (nothing is selected).
void takeFormat(RichTextBox& box, const CharFormat& f)
{
    box.setSelFontName(f.fontName);
    box.setSelFontSize(f.size);
    box.setSelColor(f.color);
    box.setSelBold(f.bold);
    box.setSelItalic(f.italic);
    box.setSelUnderline(f.underline);
    box.setSelStrikeThru(f.strike);
    box.setSelCharOffset(f.offset);
}

} // namespace

RichDocument fragment(const RichDocument& doc, qsizetype from, qsizetype to)
{
    RichDocument part = doc;
    const qsizetype total = part.length();
    from = std::clamp<qsizetype>(from, 0, total);
    to = std::clamp<qsizetype>(to, from, total);
    edit::removeRange(part, to, total);
    edit::removeRange(part, 0, from);
    part.normalize();
    return part;
}

std::unique_ptr<QMimeData> mimeFor(const RichDocument& doc, qsizetype from, qsizetype to)
{
    auto mime = std::make_unique<QMimeData>();
    const RichDocument part = fragment(doc, from, to);
    const QByteArray rtf = writeRtf(part);
    mime->setData(InternalMime, rtf);
    mime->setData(RtfMime, rtf);
    QString text = part.plainText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.remove(QChar(0xFFFC));
    mime->setText(text);
    // One picture alone also goes as a picture, for painting programs.
    if (part.paragraphs.size() == 1 && part.paragraphs[0].items.size() == 1) {
        const Inline& only = part.paragraphs[0].items[0];
        if (only.isObject() && !only.object->png.isEmpty()) {
            const QImage img = QImage::fromData(only.object->png);
            if (!img.isNull())
                mime->setImageData(img);
        }
    }
    return mime;
}

std::shared_ptr<EmbeddedObject> pictureFrom(const QImage& image)
{
    if (image.isNull())
        return nullptr;
    auto obj = std::make_shared<EmbeddedObject>();
    obj->kind = EmbeddedObject::Kind::Picture;
    QBuffer buf(&obj->png);
    buf.open(QIODevice::WriteOnly);
    if (!image.save(&buf, "PNG"))
        return nullptr;
    const double dpmX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() / 1000.0 : ScreenDpi / MmPerInch;
    const double dpmY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() / 1000.0 : ScreenDpi / MmPerInch;
    obj->sizeMm = QSizeF(image.width() / dpmX, image.height() / dpmY);
    return obj;
}

Pasted read(const QMimeData& mime)
{
    Pasted out;
    for (const QString& type : {InternalMime, RtfMime, QStringLiteral("application/rtf")}) {
        if (!mime.hasFormat(type))
            continue;
        RichDocument doc;
        if (readRtf(mime.data(type), doc)) {
            out.rich = doc;
            return out;
        }
        // Damaged rich text: fall back to what else the data offers.
    }
    if (mime.hasImage()) {
        out.picture = pictureFrom(qvariant_cast<QImage>(mime.imageData()));
        if (out.picture)
            return out;
    }
    if (mime.hasText())
        out.text = mime.text();
    return out;
}

void insertFragment(RichTextBox& box, const RichDocument& part)
{
    if (box.selLength() > 0)
        box.setSelText(QString());
    for (qsizetype i = 0; i < part.paragraphs.size(); ++i) {
        const Paragraph& p = part.paragraphs[i];
        for (const Inline& it : p.items) {
            takeFormat(box, it.format);
            if (it.isObject())
                box.insertObject(std::make_shared<EmbeddedObject>(*it.object));
            else
                box.setSelText(it.text);
        }
        if (i + 1 < part.paragraphs.size()) {
            takeFormat(box, p.mark);
            box.setSelText(QStringLiteral("\r\n"));
        }
    }
}

} // namespace rt::clip
