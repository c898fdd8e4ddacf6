// A rich-text box laid out on paper: lines (vertical columns or horizontal
// lines) with the position of every glyph and character in millimetres from
// the box's top-left corner. Drawing, printing and the editor's caret and
// hit-testing all read this one result.
//
// Vertical writing: one paragraph is one column (more when it wraps), the
// first at the box's right edge, the next to its left. A column's pitch is
// the em of its largest size, its paragraph mark included, rounded up to a
// whole 1/96 inch. Full-width text
// stands upright and advances one em; half-width text lies turned 90°
// clockwise and advances its horizontal width. A line behaves as a
// horizontal line turned clockwise: its baseline runs down the column at the
// largest ascent from the column's right edge.
#pragma once

#include "platform/richtext/RichDocument.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QVector>

namespace fonts {
class LoadedFace;
}

namespace rt {

// Glyphs of one format and orientation drawn together.
struct GlyphRun {
    CharFormat format;
    const fonts::LoadedFace* face = nullptr; // null: no font installed, nothing drawn
    double sizeMm = 0;                       // the em
    QPointF originMm;                        // run origin in the box
    bool rotated = false;                    // turned 90° clockwise about originMm
    bool upright = false;                    // upright glyphs of a vertical column: each on its own baseline
    QVector<quint32> glyphs;
    QVector<QPointF> positionsMm; // drawing origins relative to originMm, in the run's unrotated frame
    QVector<QLineF> decorationsMm; // underline and strike-through, in box millimetres
};

struct ObjectBox {
    std::shared_ptr<EmbeddedObject> object;
    QRectF rectMm;
    qsizetype position = 0;
    QVector<QLineF> decorationsMm;
};

struct LaidLine {
    qsizetype paragraph = 0;
    qsizetype start = 0;   // document position of the line's first character
    qsizetype length = 0;  // positions on the line, the paragraph end excluded
    bool endsParagraph = true;
    QRectF rectMm;         // the column or line in the box
    double baselineMm = 0; // vertical: x of the baseline; horizontal: its y
    QVector<double> stops; // length + 1 distances along the line where each position starts
    QVector<GlyphRun> runs;
    QVector<ObjectBox> objects;
};

// Paragraphs laid out before, kept between the layouts of one box: a
// paragraph that has not changed since and starts at the same place across
// the box is taken over as it was, its positions moved along with the text
// before it, so that a keystroke lays out one paragraph, not the document.
class ParagraphLayoutCache {
public:
    // Paragraphs [first, lastOld] of the document as last laid out became
    // paragraphs [first, lastNew] of the document as it is now (which has
    // newCount paragraphs); lastOld follows, as the paragraphs after the
    // change are the same in number.
    void replaced(qsizetype first, qsizetype lastNew, qsizetype newCount);
    void clear() { entries_.clear(); }

private:
    friend class TextLayout;
    struct Entry {
        bool valid = false;
        qsizetype start = 0;     // document position of the paragraph when laid out
        double extentBefore = 0; // across, where its first line began
        double extentAfter = 0;
        QVector<LaidLine> lines;
    };
    QVector<Entry> entries_; // one per paragraph, once a layout ran
    double widthMm_ = 0, heightMm_ = 0, wrapMm_ = 0;
    bool vertical_ = false;
};

class TextLayout {
public:
    // With a cache, unchanged paragraphs are taken from it and the others
    // are laid out and kept there; the result is the same as without.
    TextLayout(const RichDocument& doc, double widthMm, double heightMm, double wrapMm, bool vertical,
               ParagraphLayoutCache* cache = nullptr);

    bool vertical() const { return vertical_; }
    QSizeF sizeMm() const { return size_; }
    const QVector<LaidLine>& lines() const { return lines_; }
    // Sum of the pitches of all lines: how far the text reaches across the box.
    double extentMm() const { return extent_; }

    // The caret at a document position: a segment across the line.
    QLineF caretMm(qsizetype pos) const;
    // The document position nearest to a point in the box.
    qsizetype positionAt(const QPointF& mm) const;
    // The line holding a position (the last line of a paragraph for its end).
    int lineOf(qsizetype pos) const;

private:
    void layoutParagraph(const Paragraph& p, qsizetype paragraph, qsizetype start, double wrapMm);

    bool vertical_ = false;
    QSizeF size_;
    double extent_ = 0; // across: used so far
    QVector<LaidLine> lines_;
};

} // namespace rt
