#include "platform/richtext/RichDocument.h"

namespace rt {

qsizetype Paragraph::length() const
{
    qsizetype n = 0;
    for (const Inline& it : items)
        n += it.length();
    return n;
}

RichDocument::RichDocument()
{
    paragraphs.append(Paragraph());
}

qsizetype RichDocument::length() const
{
    qsizetype n = 0;
    for (const Paragraph& p : paragraphs)
        n += p.length();
    return n + 2 * (paragraphs.size() - 1);
}

QString RichDocument::plainText() const
{
    QString out;
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            out += QStringLiteral("\r\n");
        for (const Inline& it : paragraphs[i].items)
            out += it.isObject() ? QString(QChar(0xFFFC)) : it.text;
    }
    return out;
}

bool RichDocument::isEmpty() const
{
    return paragraphs.size() == 1 && paragraphs.first().length() == 0;
}

void RichDocument::clear(const CharFormat& markFormat)
{
    paragraphs.clear();
    Paragraph p;
    p.mark = markFormat;
    paragraphs.append(p);
}

void RichDocument::normalize()
{
    if (paragraphs.isEmpty())
        paragraphs.append(Paragraph());
    for (Paragraph& p : paragraphs) {
        QVector<Inline> merged;
        merged.reserve(p.items.size());
        for (const Inline& it : p.items) {
            if (!it.isObject() && it.text.isEmpty())
                continue;
            if (!it.isObject() && !merged.isEmpty() && !merged.last().isObject()
                && merged.last().format == it.format) {
                merged.last().text += it.text;
                continue;
            }
            merged.append(it);
        }
        p.items = merged;
    }
}

static bool sameObject(const std::shared_ptr<EmbeddedObject>& a, const std::shared_ptr<EmbeddedObject>& b)
{
    if (a == b)
        return true;
    if (!a || !b)
        return false;
    return a->kind == b->kind && a->png == b->png && a->sizeMm == b->sizeMm
        && a->objectClass == b->objectClass && a->objectData == b->objectData
        && a->metafilePlaceholder == b->metafilePlaceholder
        && a->pageSizeMm == b->pageSizeMm && a->documentVertical == b->documentVertical
        && ((!a->document && !b->document)
            || (a->document && b->document && *a->document == *b->document));
}

bool RichDocument::operator==(const RichDocument& o) const
{
    RichDocument a = *this, b = o;
    a.normalize();
    b.normalize();
    if (a.paragraphs.size() != b.paragraphs.size())
        return false;
    for (qsizetype i = 0; i < a.paragraphs.size(); ++i) {
        const Paragraph& pa = a.paragraphs[i];
        const Paragraph& pb = b.paragraphs[i];
        if (!(pa.mark == pb.mark) || pa.items.size() != pb.items.size())
            return false;
        for (qsizetype j = 0; j < pa.items.size(); ++j) {
            const Inline& x = pa.items[j];
            const Inline& y = pb.items[j];
            if (x.text != y.text || !(x.format == y.format) || !sameObject(x.object, y.object))
                return false;
        }
    }
    return true;
}

} // namespace rt
