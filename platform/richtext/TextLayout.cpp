#include "platform/richtext/TextLayout.h"

#include "platform/fonts/FontFallback.h"
#include "platform/fonts/Shaper.h"
#include "platform/text/Graphemes.h"
#include "platform/text/TextMeasure.h"

#include <unicode/ubrk.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace rt {

namespace {

constexpr double NominalAscent = 0.88; // used when no font file exists at all

// A stretch of a paragraph in one format and orientation, shaped once.
struct Piece {
    CharFormat format;
    std::shared_ptr<EmbeddedObject> object;
    QString text;
    qsizetype offset = 0; // in the paragraph
    const fonts::LoadedFace* face = nullptr;
    double em = 0;        // mm
    bool rotated = false; // half-width text in a vertical column
    bool upright = false; // full-width text in a vertical column
    QVector<fonts::ShapedGlyph> glyphs;
    bool glyphsInOrder = true; // clusters never go back: a line's glyphs are found by bisection
    QVector<double> advance;   // per position, mm along the flow

    double ascent() const { return em * (face ? face->ascentEm() : NominalAscent); }
    double descent() const { return em - ascent(); }
};

char32_t codePointAt(const QString& s, qsizetype i)
{
    if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(s[i], s[i + 1]);
    return s[i].unicode();
}

double emMm(const CharFormat& f) { return f.size * measure::MmPerPoint; }

// How far a line advances across the box. The layout places columns by
// counting 4-point blank lines of the fixed extent 1.5875 mm (6 px at 96 dpi),
// so a line must advance the font height at 96 dpi rounded up to a whole
// pixel, as on the screens the layout was made for: 4 pt -> 6 px, 12 pt ->
// 16 px. Glyph advances along the line stay in design units.
double linePitchMm(double heightMm)
{
    constexpr double PxPerMm = 96 / 25.4;
    return std::ceil(heightMm * PxPerMm - 1e-6) / PxPerMm;
}

void shapePiece(Piece& pc, bool vertical)
{
    pc.advance.fill(0.0, pc.text.size());
    if (pc.object) {
        pc.advance = {vertical ? pc.object->sizeMm.height() : pc.object->sizeMm.width()};
        return;
    }
    if (!pc.face) {
        for (qsizetype i = 0; i < pc.text.size(); ++i) {
            if (pc.text[i].isLowSurrogate() && i > 0 && pc.text[i - 1].isHighSurrogate())
                continue; // the pair advanced at its first unit
            pc.advance[i] = pc.em * (fonts::isFullWidth(codePointAt(pc.text, i)) ? 1.0 : 0.5);
        }
        return;
    }
    pc.glyphs = fonts::shape(*pc.face, pc.text, pc.upright ? fonts::Flow::Vertical : fonts::Flow::Horizontal);
    uint32_t lastCluster = 0;
    for (const fonts::ShapedGlyph& g : pc.glyphs) {
        if (g.cluster < uint32_t(pc.text.size()))
            pc.advance[g.cluster] += g.advance * pc.em;
        pc.glyphsInOrder = pc.glyphsInOrder && g.cluster >= lastCluster;
        lastCluster = g.cluster;
    }
}

// Splits a paragraph into pieces: by item, and in a vertical column also
// where text changes between upright and turned.
QVector<Piece> piecesOf(const Paragraph& p, bool vertical)
{
    QVector<Piece> pieces;
    qsizetype offset = 0;
    for (const Inline& it : p.items) {
        Piece base;
        base.format = it.format;
        base.face = fonts::loadedFace(it.format.fontName);
        base.em = emMm(it.format);
        base.offset = offset;
        if (it.isObject()) {
            base.object = it.object;
            base.text = QString(QChar(0xFFFC));
            pieces.append(base);
            offset += 1;
            continue;
        }
        // A character keeps its orientation whole: a selector or a mark
        // goes with the character it belongs to. A character the chosen
        // font lacks is drawn in an installed font that has it.
        const QList<qsizetype> starts = text::charStarts(it.text);
        // A variation selector asks for the face that has that very form.
        auto faceAt = [&](qsizetype k) {
            const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : it.text.size();
            return fonts::faceDrawing(base.face, QStringView(it.text).mid(starts[k], end - starts[k]));
        };
        auto uprightAt = [&](qsizetype k) {
            return !vertical || fonts::standsUpright(codePointAt(it.text, starts[k]), faceAt(k));
        };
        for (qsizetype k = 0; k < starts.size();) {
            const bool up = uprightAt(k);
            const fonts::LoadedFace* face = faceAt(k);
            qsizetype next = k + 1;
            while (next < starts.size() && uprightAt(next) == up && faceAt(next) == face)
                ++next;
            const qsizetype i = starts[k];
            const qsizetype j = next < starts.size() ? starts[next] : it.text.size();
            Piece pc = base;
            pc.face = face;
            pc.text = it.text.mid(i, j - i);
            pc.offset = offset + i;
            pc.rotated = vertical && !up;
            pc.upright = vertical && up;
            pieces.append(pc);
            k = next;
        }
        offset += it.text.size();
    }
    for (Piece& pc : pieces)
        shapePiece(pc, vertical);
    return pieces;
}

struct Segment {
    int piece;
    qsizetype from, to; // positions inside the piece
};
using LineSegments = QVector<Segment>;

// Where a horizontal line may break, by the rules for Japanese and Latin
// text (no break inside a word, none before a closing mark such as "。"):
// before position i of the paragraph when the result holds true at i.
QVector<bool> lineBreakOpportunities(const QVector<Piece>& pieces)
{
    QString text;
    for (const Piece& pc : pieces)
        text += pc.text; // an object stands as U+FFFC, one position as in the paragraph
    QVector<bool> may(text.size() + 1, false);
    UErrorCode status = U_ZERO_ERROR;
    UBreakIterator* it = ubrk_open(UBRK_LINE, "ja", reinterpret_cast<const UChar*>(text.utf16()),
                                   int32_t(text.size()), &status);
    if (U_FAILURE(status)) {
        may.fill(true); // without the rules, any character may start a line
        return may;
    }
    for (int32_t b = ubrk_first(it); b != UBRK_DONE; b = ubrk_next(it))
        may[b] = true;
    ubrk_close(it);
    return may;
}

bool overflows(const QVector<Piece>& pieces, double wrapMm)
{
    double along = 0;
    for (const Piece& pc : pieces)
        for (double adv : pc.advance)
            along += adv;
    return along > wrapMm + 1e-9;
}

// Line breaking: a position that would reach past the wrap length starts a
// new line, but every line holds at least one position. Given where breaks
// may fall, the line breaks at the last such place before that position
// instead, and blanks at a line's end hang past the wrap length; only a
// line with no such place breaks at the position itself.
QVector<LineSegments> breakLines(const QVector<Piece>& pieces, double wrapMm, const QVector<bool>* mayBreak)
{
    struct At {
        int piece;
        qsizetype c;
    };
    QVector<At> starts{At{0, 0}};
    std::optional<At> lastBreak;
    double along = 0, alongAtBreak = 0;
    bool lineHasText = false;
    for (int k = 0; k < pieces.size(); ++k) {
        const Piece& pc = pieces[k];
        for (qsizetype c = 0; c < pc.advance.size(); ++c) {
            const double adv = pc.advance[c];
            if (mayBreak && lineHasText && (*mayBreak)[pc.offset + c]) {
                lastBreak = At{k, c};
                alongAtBreak = along;
            }
            const bool hangs = mayBreak && pc.text[c].isSpace();
            if (lineHasText && adv > 0 && !hangs && along + adv > wrapMm + 1e-9) {
                if (lastBreak) {
                    starts.append(*lastBreak);
                    along -= alongAtBreak;
                } else {
                    starts.append(At{k, c});
                    along = 0;
                }
                lastBreak.reset();
            }
            along += adv;
            lineHasText = true;
        }
    }
    QVector<LineSegments> lines(1);
    qsizetype next = 1;
    for (int k = 0; k < pieces.size(); ++k) {
        const qsizetype n = pieces[k].advance.size();
        qsizetype segFrom = 0;
        for (qsizetype c = 0; c < n; ++c) {
            if (next < starts.size() && starts[next].piece == k && starts[next].c == c) {
                if (c > segFrom)
                    lines.last().append(Segment{k, segFrom, c});
                lines.append(LineSegments());
                segFrom = c;
                ++next;
            }
        }
        if (n > segFrom)
            lines.last().append(Segment{k, segFrom, n});
    }
    return lines;
}

struct LineMetrics {
    double ascent = 0, descent = 0;

    void widen(const Piece& pc, bool vertical)
    {
        if (pc.object) { // an object stands on the baseline
            ascent = std::max(ascent, vertical ? pc.object->sizeMm.width() : pc.object->sizeMm.height());
            return;
        }
        ascent = std::max(ascent, pc.ascent());
        descent = std::max(descent, pc.descent());
    }
};

// Line metrics across the line: the largest ascent and descent of its
// pieces, the paragraph mark counting on the paragraph's last line.
LineMetrics lineMetrics(const QVector<Piece>& pieces, const LineSegments& segs, const CharFormat* mark,
                        bool vertical)
{
    LineMetrics m;
    for (const Segment& s : segs)
        m.widen(pieces[s.piece], vertical);
    if (mark) {
        Piece markPiece;
        markPiece.face = fonts::loadedFace(mark->fontName);
        markPiece.em = emMm(*mark);
        m.widen(markPiece, vertical);
    }
    return m;
}

// Decorations of a stretch [fromMm, toMm) along the line: underline below
// the baseline, strike-through at mid x-height; in a column "below" is to
// the left.
void decorate(QVector<QLineF>& out, const Piece& pc, double base, double fromMm, double toMm, bool vertical)
{
    const double under = base + (vertical ? -1 : 1) * 0.1 * pc.em;
    const double strike = base + (vertical ? 1 : -1) * 0.3 * pc.em;
    for (double at : {pc.format.underline ? under : qQNaN(), pc.format.strike ? strike : qQNaN()}) {
        if (std::isnan(at))
            continue;
        out.append(vertical ? QLineF(at, fromMm, at, toMm) : QLineF(fromMm, at, toMm, at));
    }
}

ObjectBox placeObject(const Piece& pc, qsizetype paragraphStart, double base, double fromMm, double toMm,
                      bool vertical)
{
    ObjectBox ob;
    ob.object = pc.object;
    ob.position = paragraphStart + pc.offset;
    const QSizeF sz = pc.object->sizeMm;
    ob.rectMm = vertical ? QRectF(base, fromMm, sz.width(), sz.height())
                         : QRectF(fromMm, base - sz.height(), sz.width(), sz.height());
    decorate(ob.decorationsMm, pc, base, fromMm, toMm, vertical);
    return ob;
}

// Glyph placement: the glyphs of one segment of a piece from the run's
// start along the line. Returns whether any of them draws something.
bool placeGlyphs(GlyphRun& run, const Piece& pc, const Segment& s)
{
    // A piece wrapped onto many lines is not scanned whole for each of them.
    auto first = pc.glyphs.cbegin(), end = pc.glyphs.cend();
    if (pc.glyphsInOrder)
        first = std::partition_point(first, end, [&](const fonts::ShapedGlyph& g) { return g.cluster < s.from; });
    double pen = 0;
    bool visible = false;
    for (auto it = first; it != end; ++it) {
        const fonts::ShapedGlyph& g = *it;
        if (pc.glyphsInOrder && g.cluster >= s.to)
            break;
        if (g.cluster < s.from || g.cluster >= s.to)
            continue;
        const QPointF at = pc.upright ? QPointF(g.xOffset * pc.em, pen - g.yOffset * pc.em)
                                      : QPointF(pen + g.xOffset * pc.em, -g.yOffset * pc.em);
        run.glyphs.append(g.glyph);
        run.positionsMm.append(at);
        pen += g.advance * pc.em;
        if (!pc.text.at(g.cluster).isSpace())
            visible = true;
    }
    return visible;
}

GlyphRun placeRun(const Piece& pc, const Segment& s, double base, double fromMm, double toMm, bool vertical,
                  bool* visible)
{
    GlyphRun run;
    run.format = pc.format;
    run.face = pc.face;
    run.sizeMm = pc.em;
    run.rotated = pc.rotated;
    run.upright = pc.upright;
    decorate(run.decorationsMm, pc, base, fromMm, toMm, vertical);
    if (pc.upright) {
        // The em square of an upright glyph sits where a turned one
        // would: from descent left of the baseline to ascent right of it.
        const double centre = base + (pc.ascent() - pc.descent()) / 2;
        run.originMm = QPointF(centre, fromMm);
    } else {
        run.originMm = vertical ? QPointF(base, fromMm) : QPointF(fromMm, base);
    }
    *visible = placeGlyphs(run, pc, s);
    return run;
}

} // namespace

void ParagraphLayoutCache::replaced(qsizetype first, qsizetype lastNew, qsizetype newCount)
{
    const qsizetype oldCount = entries_.size();
    const qsizetype lastOld = lastNew + oldCount - newCount;
    if (oldCount == 0 || first < 0 || lastNew < first - 1 || lastOld < first - 1 || lastOld >= oldCount) {
        entries_.clear(); // not the document last laid out: start over
        return;
    }
    entries_.remove(first, lastOld - first + 1);
    entries_.insert(first, lastNew - first + 1, Entry());
}

TextLayout::TextLayout(const RichDocument& doc, double widthMm, double heightMm, double wrapMm, bool vertical,
                       ParagraphLayoutCache* cache)
    : vertical_(vertical), size_(widthMm, heightMm)
{
    if (cache
        && (cache->entries_.size() != doc.paragraphs.size() || cache->widthMm_ != widthMm
            || cache->heightMm_ != heightMm || cache->wrapMm_ != wrapMm || cache->vertical_ != vertical)) {
        cache->entries_ = QVector<ParagraphLayoutCache::Entry>(doc.paragraphs.size());
        cache->widthMm_ = widthMm;
        cache->heightMm_ = heightMm;
        cache->wrapMm_ = wrapMm;
        cache->vertical_ = vertical;
    }
    lines_.reserve(doc.paragraphs.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < doc.paragraphs.size(); ++i) {
        ParagraphLayoutCache::Entry* kept = cache ? &cache->entries_[i] : nullptr;
        // Taken over only from the very same place across: the same sums of
        // the same pitches give the very same coordinates.
        if (kept && kept->valid && kept->extentBefore == extent_) {
            if (kept->start != start) {
                const qsizetype shift = start - kept->start;
                for (LaidLine& line : kept->lines) {
                    line.start += shift;
                    for (ObjectBox& ob : line.objects)
                        ob.position += shift;
                }
                kept->start = start;
            }
            for (const LaidLine& line : kept->lines) {
                lines_.append(line);
                lines_.last().paragraph = i;
            }
            extent_ = kept->extentAfter;
        } else {
            const qsizetype firstLine = lines_.size();
            const double before = extent_;
            layoutParagraph(doc.paragraphs[i], i, start, wrapMm);
            if (kept)
                *kept = {true, start, before, extent_, lines_.mid(firstLine)};
        }
        start += doc.paragraphs[i].length() + 2;
    }
}

void TextLayout::layoutParagraph(const Paragraph& p, qsizetype paragraph, qsizetype start, double wrapMm)
{
    const QVector<Piece> pieces = piecesOf(p, vertical_);
    // A column breaks at any character, as the noshi layouts count on; a
    // horizontal line where Japanese and Latin text may break.
    QVector<bool> breaks;
    if (!vertical_ && overflows(pieces, wrapMm))
        breaks = lineBreakOpportunities(pieces);
    const QVector<LineSegments> lineSegs = breakLines(pieces, wrapMm, breaks.isEmpty() ? nullptr : &breaks);
    for (int li = 0; li < lineSegs.size(); ++li) {
        const LineSegments& segs = lineSegs[li];
        const bool last = li == lineSegs.size() - 1;
        LaidLine line;
        line.paragraph = paragraph;
        line.endsParagraph = last;
        line.start = start + (segs.isEmpty() ? (li == 0 ? 0 : p.length()) : pieces[segs.first().piece].offset + segs.first().from);

        const LineMetrics m = lineMetrics(pieces, segs, last || segs.isEmpty() ? &p.mark : nullptr, vertical_);
        const double pitch = linePitchMm(m.ascent + m.descent); // the rounding lands beyond the descent
        if (vertical_) {
            const double right = size_.width() - extent_;
            line.rectMm = QRectF(right - pitch, 0, pitch, size_.height());
            line.baselineMm = right - m.ascent;
        } else {
            line.rectMm = QRectF(0, extent_, size_.width(), pitch);
            line.baselineMm = extent_ + m.ascent;
        }
        extent_ += pitch;

        double pos = 0;
        line.stops.append(0);
        for (const Segment& s : segs) {
            const Piece& pc = pieces[s.piece];
            const double runStart = pos;
            for (qsizetype c = s.from; c < s.to; ++c) {
                pos += pc.advance[c];
                line.stops.append(pos);
            }
            const double shift = pc.format.offset * measure::MmPerPoint; // up, or right in a column
            const double base = vertical_ ? line.baselineMm + shift : line.baselineMm - shift;
            if (pc.object) {
                line.objects.append(placeObject(pc, start, base, runStart, pos, vertical_));
                continue;
            }
            bool visible = false;
            GlyphRun run = placeRun(pc, s, base, runStart, pos, vertical_, &visible);
            if (visible || !run.decorationsMm.isEmpty())
                line.runs.append(std::move(run));
        }
        line.length = line.stops.size() - 1;
        lines_.append(std::move(line));
    }
}

int TextLayout::lineOf(qsizetype pos) const
{
    for (int i = 0; i < lines_.size(); ++i) {
        const LaidLine& l = lines_[i];
        if (pos < l.start)
            return std::max(0, i - 1);
        if (pos < l.start + l.length || (pos == l.start + l.length && l.endsParagraph))
            return i;
    }
    return lines_.isEmpty() ? -1 : int(lines_.size() - 1);
}

QLineF TextLayout::caretMm(qsizetype pos) const
{
    const int i = lineOf(pos);
    if (i < 0)
        return {};
    const LaidLine& l = lines_[i];
    const qsizetype k = std::clamp<qsizetype>(pos - l.start, 0, l.length);
    const double along = l.stops.value(k);
    return vertical_ ? QLineF(l.rectMm.left(), along, l.rectMm.right(), along)
                     : QLineF(along, l.rectMm.top(), along, l.rectMm.bottom());
}

qsizetype TextLayout::positionAt(const QPointF& mm) const
{
    if (lines_.isEmpty())
        return 0;
    // The line under the point, or the nearest one across.
    int best = 0;
    double bestDist = std::numeric_limits<double>::max();
    for (int i = 0; i < lines_.size(); ++i) {
        const QRectF& r = lines_[i].rectMm;
        const double lo = vertical_ ? r.left() : r.top();
        const double hi = vertical_ ? r.right() : r.bottom();
        const double v = vertical_ ? mm.x() : mm.y();
        const double d = v < lo ? lo - v : (v > hi ? v - hi : 0);
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    const LaidLine& l = lines_[best];
    const double along = vertical_ ? mm.y() : mm.x();
    qsizetype k = 0;
    for (qsizetype s = 0; s < l.length; ++s)
        if (along > (l.stops[s] + l.stops[s + 1]) / 2)
            k = s + 1;
    return l.start + k;
}

} // namespace rt
