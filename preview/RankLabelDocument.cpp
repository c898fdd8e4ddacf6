#include "preview/RankLabelDocument.h"

#include "platform/files/SafeFile.h"

#include "platform/richtext/Rtf.h"
#include "platform/richtext/TextLayout.h"

#include <QFile>
#include <cmath>

namespace preview {

namespace {

constexpr double PointsPerMm = 72.0 / 25.4;

int twips(double mm) { return int(std::lround(mm * 56.7)); }

// Length of one line of text laid out alone.
double lineLengthMm(const rt::Paragraph& p)
{
    rt::RichDocument d;
    d.paragraphs = {p};
    const rt::TextLayout l(d, 10000, 1000, 10000, false);
    if (l.lines().isEmpty() || l.lines().first().stops.isEmpty())
        return 0;
    return l.lines().first().stops.last();
}

} // namespace

QString toFullWidth(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c == u' ')
            c = QChar(0x3000);
        else if (c.unicode() >= 0x21 && c.unicode() <= 0x7E)
            c = QChar(char16_t(c.unicode() - 0x21 + 0xFF01));
    }
    return out;
}

rt::RichDocument RankLabelDocument::content() const
{
    rt::CharFormat f;
    f.fontName = spec_.fontName;
    f.size = spec_.fontSize;
    rt::RichDocument d;
    d.paragraphs.clear();
    for (const QString& t : {spec_.fullWidth ? toFullWidth(spec_.rank) : spec_.rank, spec_.text}) {
        rt::Paragraph p;
        p.mark = f;
        if (!t.isEmpty())
            p.items.append(rt::Inline{t, f, nullptr});
        d.paragraphs.append(p);
    }
    return d;
}

QByteArray RankLabelDocument::documentRtf() const
{
    QByteArray rtf = rt::writeRtf(content());
    const QByteArray page = QByteArrayLiteral("\\paperw%1\\paperh%2\\margl%3\\margr%3\\margt%3\\margb%3"
                                              "\\headery%4\\footery%4")
                                .replace("%1", QByteArray::number(twips(spec_.pageWidthMm)))
                                .replace("%2", QByteArray::number(twips(spec_.pageHeightMm)))
                                .replace("%3", QByteArray::number(twips(spec_.marginMm)))
                                .replace("%4", QByteArray::number(twips(spec_.headerFooterMm)));
    // Document properties go before the first paragraph; its properties
    // (centred) hold for every paragraph that follows.
    const qsizetype at = rtf.indexOf("\\viewkind4");
    if (at >= 0)
        rtf.insert(at, page);
    const qsizetype pard = rtf.indexOf("\\pard");
    if (pard >= 0)
        rtf.insert(pard + 5, "\\qc");
    return rtf;
}

rt::RichDocument RankLabelDocument::pageDocument() const
{
    rt::RichDocument page = content();
    const double inner = spec_.pageWidthMm - 2 * spec_.marginMm;
    for (rt::Paragraph& p : page.paragraphs) {
        const double lead = spec_.marginMm + std::max(0.0, (inner - lineLengthMm(p)) / 2);
        // Whole blanks of the text's size, then one smaller blank for the rest.
        rt::CharFormat blankFmt = p.mark;
        rt::Paragraph probe;
        probe.items.append(rt::Inline{QStringLiteral(" "), blankFmt, nullptr});
        const double blank = lineLengthMm(probe);
        if (blank <= 0)
            continue;
        const int whole = int(lead / blank);
        QVector<rt::Inline> pad;
        if (whole > 0)
            pad.append(rt::Inline{QString(whole, u' '), blankFmt, nullptr});
        const double rest = lead - whole * blank;
        if (rest > 0.01) {
            rt::CharFormat small = blankFmt;
            small.size = blankFmt.size * rest / blank;
            pad.append(rt::Inline{QStringLiteral(" "), small, nullptr});
        }
        p.items = pad + p.items;
    }
    // The top margin as an empty line of that height.
    rt::Paragraph top;
    top.mark = page.paragraphs.first().mark;
    top.mark.size = spec_.marginMm * PointsPerMm;
    page.paragraphs.prepend(top);
    return page;
}

std::shared_ptr<rt::EmbeddedObject> RankLabelDocument::writeFile(const QString& path, QString* error) const
{
    const QByteArray rtf = documentRtf();
    QString reason;
    if (!files::writeFileSafely(path, rtf, &reason)) {
        if (error)
            *error = reason;
        QFile::remove(path);
        return nullptr;
    }
    auto obj = std::make_shared<rt::EmbeddedObject>();
    obj->kind = rt::EmbeddedObject::Kind::Object;
    obj->objectClass = QStringLiteral("RichText.Document");
    obj->objectData = rtf;
    obj->sourcePath = path;
    obj->sizeMm = QSizeF(spec_.pageWidthMm, spec_.pageHeightMm);
    obj->pageSizeMm = obj->sizeMm;
    obj->documentVertical = false;
    obj->document = std::make_shared<rt::RichDocument>(pageDocument());
    return obj;
}

} // namespace preview
