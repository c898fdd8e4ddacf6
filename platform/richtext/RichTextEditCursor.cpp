#include "platform/richtext/RichTextEditCursor.h"

#include "platform/richtext/DocumentEdit.h"

#include <algorithm>

namespace rt::caret {

namespace {

// The kinds of writing a double-click keeps together.
enum class Kind { Blank, Kanji, Hiragana, Katakana, Word, Other };

Kind kindOf(QChar c)
{
    if (c.isSpace())
        return Kind::Blank;
    if (c.isSurrogate())
        return Kind::Kanji; // the supplementary planes a noshi page meets are ideographs
    switch (c.script()) {
    case QChar::Script_Han:
        return Kind::Kanji;
    case QChar::Script_Hiragana:
        return Kind::Hiragana;
    case QChar::Script_Katakana:
        return Kind::Katakana;
    default:
        break;
    }
    if (c == QChar(0x30FC) || c == QChar(0xFF70)) // the long-vowel mark belongs to katakana words
        return Kind::Katakana;
    if (c == QChar(0x3005)) // 々 repeats the kanji before it
        return Kind::Kanji;
    if (c.isLetterOrNumber() || c == u'_')
        return Kind::Word;
    return Kind::Other;
}

int lineIndex(const TextLayout& layout, qsizetype pos)
{
    return layout.lineOf(pos);
}

// The stop on a line nearest to `along`. A line that wraps shares its last
// stop with the next line's first, where the caret is shown: stay before it.
qsizetype nearestOnLine(const LaidLine& l, double along)
{
    qsizetype k = 0;
    for (qsizetype s = 0; s < l.length; ++s)
        if (along > (l.stops[s] + l.stops[s + 1]) / 2)
            k = s + 1;
    if (!l.endsParagraph && l.length > 0)
        k = std::min(k, l.length - 1);
    return l.start + k;
}

} // namespace

QString paragraphText(const Paragraph& p)
{
    QString s;
    s.reserve(p.length());
    for (const Inline& it : p.items)
        s += it.isObject() ? QString(QChar(0xFFFC)) : it.text;
    return s;
}

qsizetype next(const RichDocument& doc, qsizetype pos)
{
    const edit::Location at = edit::locate(doc, std::max<qsizetype>(pos, 0));
    const Paragraph& p = doc.paragraphs[at.paragraph];
    const qsizetype base = pos - at.offset;
    if (at.offset >= p.length())
        return at.paragraph + 1 < doc.paragraphs.size() ? base + p.length() + 2 : base + p.length();
    const QString text = paragraphText(p);
    qsizetype k = at.offset + 1;
    if (text.at(at.offset).isHighSurrogate() && k < text.size() && text.at(k).isLowSurrogate())
        ++k;
    return base + k;
}

qsizetype previous(const RichDocument& doc, qsizetype pos)
{
    if (pos <= 0)
        return 0;
    const edit::Location at = edit::locate(doc, pos);
    if (at.offset == 0)
        return at.paragraph > 0 ? pos - 2 : 0;
    const QString text = paragraphText(doc.paragraphs[at.paragraph]);
    qsizetype k = std::min(at.offset, text.size()) - 1;
    if (k > 0 && text.at(k).isLowSurrogate() && text.at(k - 1).isHighSurrogate())
        --k;
    return pos - at.offset + k;
}

qsizetype lineStart(const TextLayout& layout, qsizetype pos)
{
    const int i = lineIndex(layout, pos);
    return i < 0 ? 0 : layout.lines()[i].start;
}

qsizetype lineEnd(const TextLayout& layout, qsizetype pos)
{
    const int i = lineIndex(layout, pos);
    if (i < 0)
        return 0;
    const LaidLine& l = layout.lines()[i];
    // The end of a wrapped line is the next line's start: stop before its last character.
    return l.start + (l.endsParagraph || l.length == 0 ? l.length : l.length - 1);
}

double alongOf(const TextLayout& layout, qsizetype pos)
{
    const int i = lineIndex(layout, pos);
    if (i < 0)
        return 0;
    const LaidLine& l = layout.lines()[i];
    return l.stops.value(std::clamp<qsizetype>(pos - l.start, 0, l.length));
}

qsizetype acrossLines(const TextLayout& layout, qsizetype pos, int lines, double along)
{
    const int i = lineIndex(layout, pos);
    if (i < 0)
        return 0;
    const int j = i + lines;
    const auto& all = layout.lines();
    if (j < 0)
        return 0;
    if (j >= all.size())
        return all.last().start + all.last().length;
    return nearestOnLine(all[j], along);
}

int linesWithin(const TextLayout& layout, qsizetype pos, double distanceMm, int sign)
{
    const int i = lineIndex(layout, pos);
    const auto& all = layout.lines();
    int n = 0;
    double used = 0;
    for (int j = i + sign; j >= 0 && j < all.size(); j += sign) {
        const double pitch = layout.vertical() ? all[j].rectMm.width() : all[j].rectMm.height();
        if (n > 0 && used + pitch > distanceMm)
            break;
        used += pitch;
        ++n;
    }
    return std::max(n, 1);
}

qsizetype characterAt(const TextLayout& layout, const QPointF& mm)
{
    const qsizetype gap = layout.positionAt(mm);
    const int i = layout.lineOf(gap);
    if (i < 0)
        return 0;
    const LaidLine& l = layout.lines()[i];
    const double along = layout.vertical() ? mm.y() : mm.x();
    qsizetype k = 0;
    for (qsizetype s = 0; s < l.length; ++s)
        if (along >= l.stops[s])
            k = s;
    return l.start + k;
}

std::pair<qsizetype, qsizetype> wordAt(const RichDocument& doc, qsizetype pos)
{
    const edit::Location at = edit::locate(doc, std::max<qsizetype>(pos, 0));
    const QString text = paragraphText(doc.paragraphs[at.paragraph]);
    const qsizetype base = pos - at.offset;
    if (text.isEmpty())
        return {pos, pos};
    // At the end of a paragraph the word before the caret is meant.
    const qsizetype c = std::min(at.offset, text.size() - 1);
    const Kind kind = kindOf(text.at(c));
    qsizetype from = c, to = c + 1;
    if (text.at(c).isHighSurrogate() && to < text.size())
        ++to;
    if (kind != Kind::Other) {
        while (from > 0 && kindOf(text.at(from - 1)) == kind)
            --from;
        while (to < text.size() && kindOf(text.at(to)) == kind)
            ++to;
    } else if (text.at(c).isLowSurrogate() && from > 0) {
        --from;
    }
    return {base + from, base + to};
}

} // namespace rt::caret
