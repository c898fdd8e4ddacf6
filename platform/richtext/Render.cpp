#include "platform/richtext/Render.h"

#include "platform/fonts/LoadedFace.h"
#include "platform/richtext/PictureCache.h"

#include <QGlyphRun>
#include <QImage>
#include <QPen>

#include <cmath>
#include <limits>

namespace rt {

namespace {

constexpr double ItalicSlant = 0.2;      // synthetic italic: the faces have no italic design
constexpr double BoldStrokeEm = 1.0 / 40; // synthetic bold: the faces have no bold design
constexpr int MaxNesting = 4;             // embedded documents inside embedded documents

// Across the lines (x in a vertical box, y in a horizontal one), in box mm.
struct Span {
    double from = -std::numeric_limits<double>::infinity();
    double to = std::numeric_limits<double>::infinity();
};

void renderLines(const TextLayout& layout, QPainter& p, double dpm, int depth, Span shown = Span());

QColor colorOf(Color c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QPointF scaled(const QPointF& mm, double dpm) { return mm * dpm; }

void drawGlyphs(QPainter& p, const GlyphRun& run, const QRawFont& raw, const QVector<quint32>& glyphs,
                const QVector<QPointF>& positions, double dpm)
{
    QGlyphRun gr;
    gr.setRawFont(raw);
    gr.setGlyphIndexes(glyphs);
    gr.setPositions(positions);
    p.drawGlyphRun(QPointF(0, 0), gr);
    if (run.format.bold) // a second pass a little to the right thickens every stroke
        p.drawGlyphRun(QPointF(run.sizeMm * BoldStrokeEm * dpm, 0), gr);
}

void drawRun(QPainter& p, const GlyphRun& run, double dpm)
{
    p.setPen(colorOf(run.format.color));
    if (run.face && !run.glyphs.isEmpty()) {
        const QRawFont raw = run.face->rawFont(run.sizeMm * dpm);
        p.save();
        p.translate(scaled(run.originMm, dpm));
        if (run.rotated)
            p.rotate(90);
        if (run.upright && run.format.italic) {
            // Upright glyphs each stand on their own baseline: slant one by one.
            for (qsizetype i = 0; i < run.glyphs.size(); ++i) {
                p.save();
                p.translate(scaled(run.positionsMm[i], dpm));
                p.shear(-ItalicSlant, 0);
                drawGlyphs(p, run, raw, {run.glyphs[i]}, {QPointF(0, 0)}, dpm);
                p.restore();
            }
        } else {
            if (run.format.italic)
                p.shear(-ItalicSlant, 0);
            QVector<QPointF> positions;
            positions.reserve(run.positionsMm.size());
            for (const QPointF& at : run.positionsMm)
                positions.append(scaled(at, dpm));
            drawGlyphs(p, run, raw, run.glyphs, positions, dpm);
        }
        p.restore();
    }
}

void drawDecorations(QPainter& p, const QVector<QLineF>& lines, double emMm, Color color, double dpm)
{
    if (lines.isEmpty())
        return;
    QPen pen(colorOf(color));
    pen.setWidthF(std::max(emMm / 20 * dpm, 0.5));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    for (const QLineF& l : lines)
        p.drawLine(QLineF(scaled(l.p1(), dpm), scaled(l.p2(), dpm)));
}

void drawObject(QPainter& p, const ObjectBox& box, double dpm, int depth)
{
    const EmbeddedObject& o = *box.object;
    const QRectF r(scaled(box.rectMm.topLeft(), dpm), box.rectMm.size() * dpm);
    if (o.document && depth < MaxNesting && o.pageSizeMm.width() > 0 && o.pageSizeMm.height() > 0) {
        const QSizeF page = o.pageSizeMm;
        const TextLayout nested(*o.document, page.width(), page.height(),
                                o.documentVertical ? page.height() : page.width(), o.documentVertical);
        p.save();
        p.setClipRect(r, Qt::IntersectClip);
        p.translate(r.topLeft());
        p.scale(box.rectMm.width() / page.width(), box.rectMm.height() / page.height());
        renderLines(nested, p, dpm, depth + 1);
        p.restore();
        return;
    }
    // Decoded once at the size the device shows it, not at every repaint.
    const QRectF onDevice = p.combinedTransform().mapRect(r);
    const QSize pixels(int(std::ceil(onDevice.width())), int(std::ceil(onDevice.height())));
    const QImage img = o.metafilePlaceholder ? QImage() : drawnPicture(o.png, pixels);
    if (!img.isNull()) {
        p.drawImage(r, img);
        return;
    }
    // A picture we cannot draw keeps its place as a framed box.
    p.setPen(QPen(Qt::black, std::max(0.2 * dpm, 1.0)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

// How far across the box a line may draw: its own extent, and around each
// run's origin two ems, room for ascent, descent, slant and the offsets a
// face gives its glyphs (a raised run may leave its line).
Span reachOf(const LaidLine& line, bool vertical)
{
    auto across = [&](const QPointF& mm) { return vertical ? mm.x() : mm.y(); };
    Span r{across(line.rectMm.topLeft()), across(line.rectMm.bottomRight())};
    auto widen = [&](double lo, double hi) {
        r.from = std::min(r.from, lo);
        r.to = std::max(r.to, hi);
    };
    for (const GlyphRun& run : line.runs) {
        widen(across(run.originMm) - 2 * run.sizeMm, across(run.originMm) + 2 * run.sizeMm);
        for (const QLineF& d : run.decorationsMm)
            widen(std::min(across(d.p1()), across(d.p2())), std::max(across(d.p1()), across(d.p2())));
    }
    for (const ObjectBox& ob : line.objects) {
        widen(across(ob.rectMm.topLeft()), across(ob.rectMm.bottomRight()));
        for (const QLineF& d : ob.decorationsMm)
            widen(std::min(across(d.p1()), across(d.p2())), std::max(across(d.p1()), across(d.p2())));
    }
    return r;
}

void renderLines(const TextLayout& layout, QPainter& p, double dpm, int depth, Span shown)
{
    const bool culling = std::isfinite(shown.from) || std::isfinite(shown.to);
    for (const LaidLine& line : layout.lines()) {
        if (culling) {
            const Span reach = reachOf(line, layout.vertical());
            if (reach.to < shown.from || reach.from > shown.to)
                continue;
        }
        for (const GlyphRun& run : line.runs) {
            drawRun(p, run, dpm);
            drawDecorations(p, run.decorationsMm, run.sizeMm, run.format.color, dpm);
        }
        for (const ObjectBox& ob : line.objects)
            drawObject(p, ob, dpm, depth);
    }
}

} // namespace

void render(const TextLayout& layout, QPainter& painter, const QRectF& target, double dpm, const QRectF& exposed)
{
    Span shown;
    if (!exposed.isNull()) {
        const QRectF mm = exposed.translated(-target.topLeft());
        shown.from = (layout.vertical() ? mm.left() : mm.top()) / dpm;
        shown.to = (layout.vertical() ? mm.right() : mm.bottom()) / dpm;
    }
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    renderLines(layout, painter, dpm, 0, shown);
    painter.restore();
}

void render(const RichTextBox& box, QPainter& painter, const QRectF& target, double dpm)
{
    render(*box.layout(), painter, target, dpm);
}

} // namespace rt
