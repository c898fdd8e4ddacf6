#include "platform/richtext/DocumentEdit.h"

#include <algorithm>
#include <limits>

namespace rt::edit {

namespace {

// One position of a paragraph with its own format: edits work on these and
// the runs are rebuilt afterwards, so no edit has to split runs by hand.
struct Cell {
    QChar ch;
    CharFormat format;
    std::shared_ptr<EmbeddedObject> object;
};

QVector<Cell> cellsOf(const Paragraph& p)
{
    QVector<Cell> cells;
    cells.reserve(p.length());
    for (const Inline& it : p.items) {
        if (it.isObject()) {
            cells.append({QChar(0xFFFC), it.format, it.object});
            continue;
        }
        for (QChar c : it.text)
            cells.append({c, it.format, nullptr});
    }
    return cells;
}

void setCells(Paragraph& p, const QVector<Cell>& cells)
{
    p.items.clear();
    for (const Cell& c : cells) {
        if (c.object) {
            Inline it;
            it.format = c.format;
            it.object = c.object;
            p.items.append(it);
        } else if (!p.items.isEmpty() && !p.items.last().isObject() && p.items.last().format == c.format) {
            p.items.last().text += c.ch;
        } else {
            Inline it;
            it.text = QString(c.ch);
            it.format = c.format;
            p.items.append(it);
        }
    }
}

void appendText(QVector<Cell>& cells, QStringView text, const CharFormat& fmt)
{
    for (QChar c : text)
        cells.append({c, fmt, nullptr});
}

// Splits at CR LF, CR or LF.
QStringList splitLines(const QString& text)
{
    QStringList lines;
    QString cur;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(cur);
            cur.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            cur += c;
        }
    }
    lines.append(cur);
    return lines;
}

} // namespace

qsizetype paragraphStart(const RichDocument& doc, qsizetype paragraph)
{
    return PositionIndex().paragraphStart(doc, paragraph);
}

Location locate(const RichDocument& doc, qsizetype pos, bool forRangeEnd)
{
    return PositionIndex().locate(doc, pos, forRangeEnd);
}

void PositionIndex::reach(const RichDocument& doc, qsizetype paragraph, qsizetype pos)
{
    if (starts_.isEmpty())
        starts_.append(0);
    const qsizetype last = std::min(paragraph, doc.paragraphs.size() - 1);
    while (starts_.size() <= last && starts_.last() <= pos) {
        const qsizetype i = starts_.size() - 1;
        starts_.append(starts_.last() + doc.paragraphs[i].length() + 2);
    }
}

qsizetype PositionIndex::paragraphStart(const RichDocument& doc, qsizetype paragraph)
{
    paragraph = std::min(paragraph, doc.paragraphs.size());
    if (paragraph <= 0)
        return 0;
    // Past the last paragraph: where one more would start.
    if (paragraph == doc.paragraphs.size())
        return paragraphStart(doc, paragraph - 1) + doc.paragraphs[paragraph - 1].length() + 2;
    reach(doc, paragraph, std::numeric_limits<qsizetype>::max());
    return starts_[paragraph];
}

qsizetype PositionIndex::length(const RichDocument& doc)
{
    const qsizetype last = doc.paragraphs.size() - 1;
    return paragraphStart(doc, last) + doc.paragraphs[last].length();
}

Location PositionIndex::locate(const RichDocument& doc, qsizetype pos, bool forRangeEnd)
{
    pos = std::max<qsizetype>(pos, 0);
    const qsizetype last = doc.paragraphs.size() - 1;
    reach(doc, last, pos);
    // The paragraph holding pos: the last one starting at or before it.
    const qsizetype i = std::upper_bound(starts_.cbegin(), starts_.cend(), pos) - starts_.cbegin() - 1;
    const qsizetype start = starts_[i];
    const qsizetype len = doc.paragraphs[i].length();
    if (pos <= start + len)
        return {i, pos - start};
    if (i < last && pos == start + len + 1) // between CR and LF
        return forRangeEnd ? Location{i + 1, 0} : Location{i, len};
    return {last, doc.paragraphs[last].length()};
}

CharFormat formatAt(const RichDocument& doc, qsizetype pos, PositionIndex* index)
{
    PositionIndex own;
    const Location loc = (index ? *index : own).locate(doc, pos);
    const Paragraph& p = doc.paragraphs[loc.paragraph];
    qsizetype at = 0;
    const Inline* before = nullptr;
    for (const Inline& it : p.items) {
        if (at < loc.offset)
            before = &it;
        else if (!before)
            return it.format;
        at += it.length();
    }
    return before ? before->format : p.mark;
}

void removeRange(RichDocument& doc, qsizetype from, qsizetype to, PositionIndex* index)
{
    if (to <= from)
        return;
    PositionIndex own;
    PositionIndex& ix = index ? *index : own;
    const Location a = ix.locate(doc, from);
    const Location b = ix.locate(doc, to, true);
    if (b.paragraph < a.paragraph || (b.paragraph == a.paragraph && b.offset <= a.offset))
        return;
    QVector<Cell> first = cellsOf(doc.paragraphs[a.paragraph]).mid(0, a.offset);
    const QVector<Cell> lastCells = cellsOf(doc.paragraphs[b.paragraph]);
    first += lastCells.mid(b.offset);
    Paragraph joined;
    joined.mark = doc.paragraphs[b.paragraph].mark;
    setCells(joined, first);
    doc.paragraphs[a.paragraph] = joined;
    doc.paragraphs.remove(a.paragraph + 1, b.paragraph - a.paragraph);
    ix.changedAfter(a.paragraph);
}

qsizetype insertText(RichDocument& doc, qsizetype pos, const QString& text, const CharFormat& fmt,
                     PositionIndex* index)
{
    PositionIndex own;
    PositionIndex& ix = index ? *index : own;
    const Location loc = ix.locate(doc, pos);
    Paragraph& target = doc.paragraphs[loc.paragraph];
    if (text.isEmpty())
        return ix.paragraphStart(doc, loc.paragraph) + loc.offset;
    // An empty line takes the format it is written in: a blank line written
    // at 4 points is 4 points wide on paper.
    if (target.items.isEmpty())
        target.mark = fmt;
    const QVector<Cell> cells = cellsOf(target);
    const QVector<Cell> tail = cells.mid(loc.offset);
    const CharFormat oldMark = target.mark;
    const QStringList lines = splitLines(text);

    QVector<Paragraph> made;
    QVector<Cell> cur = cells.mid(0, loc.offset);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        appendText(cur, lines[i], fmt);
        if (i + 1 < lines.size()) {
            Paragraph p;
            p.mark = fmt; // the inserted paragraph end carries the insertion format
            setCells(p, cur);
            made.append(p);
            cur.clear();
        }
    }
    const qsizetype endOffset = cur.size();
    cur += tail;
    Paragraph lastP;
    lastP.mark = oldMark;
    setCells(lastP, cur);
    made.append(lastP);

    doc.paragraphs[loc.paragraph] = made.first();
    doc.paragraphs.insert(loc.paragraph + 1, made.size() - 1, Paragraph());
    for (qsizetype i = 1; i < made.size(); ++i)
        doc.paragraphs[loc.paragraph + i] = std::move(made[i]);
    ix.changedAfter(loc.paragraph);
    return ix.paragraphStart(doc, loc.paragraph + made.size() - 1) + endOffset;
}

qsizetype insertObject(RichDocument& doc, qsizetype pos, std::shared_ptr<EmbeddedObject> obj,
                       const CharFormat& fmt, PositionIndex* index)
{
    PositionIndex own;
    PositionIndex& ix = index ? *index : own;
    const Location loc = ix.locate(doc, pos);
    Paragraph& target = doc.paragraphs[loc.paragraph];
    if (target.items.isEmpty())
        target.mark = fmt;
    QVector<Cell> cells = cellsOf(target);
    cells.insert(loc.offset, Cell{QChar(0xFFFC), fmt, std::move(obj)});
    setCells(target, cells);
    ix.changedAfter(loc.paragraph);
    return ix.paragraphStart(doc, loc.paragraph) + loc.offset + 1;
}

namespace {

// Calls span(i, lo, hi, throughEnd) for each paragraph i that [from, to)
// covers: [lo, hi) is the covered part of its text, throughEnd whether the
// range goes on past its end (and so covers its mark).
template <class Span>
void forEachCovered(const RichDocument& doc, qsizetype from, qsizetype to, PositionIndex* index, Span span)
{
    if (to <= from)
        return;
    PositionIndex own;
    PositionIndex& ix = index ? *index : own;
    const Location a = ix.locate(doc, from);
    const Location b = ix.locate(doc, to, true);
    for (qsizetype i = a.paragraph; i <= b.paragraph && i < doc.paragraphs.size(); ++i) {
        const qsizetype lo = i == a.paragraph ? a.offset : 0;
        const qsizetype hi = i == b.paragraph ? b.offset : doc.paragraphs[i].length();
        span(i, lo, hi, i < b.paragraph);
    }
}

} // namespace

void visitFormats(const RichDocument& doc, qsizetype from, qsizetype to,
                  const std::function<void(const CharFormat&)>& visit, PositionIndex* index)
{
    forEachCovered(doc, from, to, index, [&](qsizetype i, qsizetype lo, qsizetype hi, bool throughEnd) {
        const Paragraph& p = doc.paragraphs[i];
        qsizetype at = 0;
        for (const Inline& it : p.items) {
            const qsizetype len = it.length();
            if (at + len > lo && at < hi)
                visit(it.format);
            at += len;
        }
        if (throughEnd)
            visit(p.mark);
    });
}

void applyFormat(RichDocument& doc, qsizetype from, qsizetype to,
                 const std::function<void(CharFormat&)>& change, PositionIndex* index)
{
    forEachCovered(doc, from, to, index, [&](qsizetype i, qsizetype lo, qsizetype hi, bool throughEnd) {
        Paragraph& p = doc.paragraphs[i];
        QVector<Cell> cells = cellsOf(p);
        for (qsizetype k = lo; k < hi && k < cells.size(); ++k)
            change(cells[k].format);
        setCells(p, cells);
        if (throughEnd)
            change(p.mark);
    });
}

} // namespace rt::edit
