#include "common/LayoutTrace.h"

#include "platform/vb/VbNum.h"

#include <QStringList>

QString traceSize(double points)
{
    QString s = QString::number(points, 'f', 2);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s;
}

namespace {

QString fontAndSize(const rt::CharFormat& f)
{
    return f.fontName + u' ' + traceSize(f.size);
}

QString colourHex(rt::Color c)
{
    return QStringLiteral("%1%2%3")
        .arg(vb::Red(c), 2, 16, QChar(u'0'))
        .arg(vb::Green(c), 2, 16, QChar(u'0'))
        .arg(vb::Blue(c), 2, 16, QChar(u'0'))
        .toUpper();
}

// Collects the items of one paragraph, merging pieces of one kind and format.
class ItemLines {
public:
    void add(QChar kind, const QString& text, const rt::CharFormat& f)
    {
        if (!pieces_.isEmpty() && pieces_.last().kind == kind && pieces_.last().format == f) {
            pieces_.last().text += text;
            return;
        }
        pieces_.append({kind, text, f});
    }
    void addObject(const rt::EmbeddedObject& obj)
    {
        pieces_.append({u'O', obj.kind == rt::EmbeddedObject::Kind::Picture ? QStringLiteral("picture")
                                                                             : QStringLiteral("object"),
                        {}});
    }
    void appendTo(QStringList& out) const
    {
        for (const Piece& p : pieces_) {
            if (p.kind == u'S')
                out << QStringLiteral("SP %1 %2").arg(p.text.size()).arg(fontAndSize(p.format));
            else if (p.kind == u'T')
                out << QStringLiteral("TX \"%1\" %2 b=%3 c=%4")
                           .arg(p.text, fontAndSize(p.format))
                           .arg(p.format.bold ? 1 : 0)
                           .arg(colourHex(p.format.color));
            else
                out << QStringLiteral("OB ") + p.text;
        }
    }

private:
    struct Piece {
        QChar kind; // 'S' blanks, 'T' text, 'O' object
        QString text;
        rt::CharFormat format;
    };
    QList<Piece> pieces_;
};

bool isEmptyParagraph(const rt::Paragraph& p)
{
    for (const rt::Inline& item : p.items)
        if (item.isObject() || !item.text.isEmpty())
            return false;
    return true;
}

} // namespace

QString traceBox(const rt::RichDocument& doc)
{
    QStringList out;
    int blankRun = 0;
    rt::CharFormat blankFormat;
    auto flushBlank = [&] {
        if (blankRun > 0)
            out << QStringLiteral("BL %1 %2").arg(blankRun).arg(fontAndSize(blankFormat));
        blankRun = 0;
    };
    const qsizetype last = doc.paragraphs.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        const rt::Paragraph& para = doc.paragraphs[i];
        const bool open = i == last;
        if (isEmptyParagraph(para)) {
            if (open)
                break;
            if (blankRun > 0 && (blankFormat.fontName != para.mark.fontName || blankFormat.size != para.mark.size))
                flushBlank();
            blankFormat = para.mark;
            ++blankRun;
            continue;
        }
        flushBlank();
        ItemLines items;
        for (const rt::Inline& item : para.items) {
            if (item.isObject()) {
                items.addObject(*item.object);
                continue;
            }
            // Split the run into blanks and other characters.
            qsizetype start = 0;
            while (start < item.text.size()) {
                const bool blank = item.text[start] == u' ';
                qsizetype end = start;
                while (end < item.text.size() && (item.text[end] == u' ') == blank)
                    ++end;
                items.add(blank ? u'S' : u'T', item.text.mid(start, end - start), item.format);
                start = end;
            }
        }
        items.appendTo(out);
        if (!open)
            out << QStringLiteral("EC ") + fontAndSize(para.mark);
    }
    flushBlank();
    return out.join(u'\n') + (out.isEmpty() ? QString() : QStringLiteral("\n"));
}
