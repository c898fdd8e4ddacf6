// Position-based edits on a RichDocument: the operations behind the
// selection API. Positions count a paragraph end as 2 (CR LF) and an object
// as 1; a position between CR and LF counts as the paragraph end.
#pragma once

#include "platform/richtext/RichDocument.h"

#include <functional>

namespace rt::edit {

struct Location {
    qsizetype paragraph = 0;
    qsizetype offset = 0; // UTF-16 / object position inside the paragraph
};

// forRangeEnd: a position inside a CR LF pair belongs to the next paragraph.
Location locate(const RichDocument& doc, qsizetype pos, bool forRangeEnd = false);
qsizetype paragraphStart(const RichDocument& doc, qsizetype paragraph);

// Where the paragraphs start, remembered between edits, so that a box written
// at its end (as the layout writes) or edited in one place finds a position
// without walking from the document's start each time. The edits below keep
// an index they are given up to date; any other change of the document
// needs reset().
class PositionIndex {
public:
    Location locate(const RichDocument& doc, qsizetype pos, bool forRangeEnd = false);
    qsizetype paragraphStart(const RichDocument& doc, qsizetype paragraph);
    qsizetype length(const RichDocument& doc); // as doc.length()
    // The paragraphs after `paragraph` moved or changed in number; the start
    // of `paragraph` itself holds.
    void changedAfter(qsizetype paragraph)
    {
        if (starts_.size() > paragraph + 1)
            starts_.resize(paragraph + 1);
    }
    void reset() { starts_.clear(); }

private:
    // Learns the starts up to `paragraph`, or up to the paragraph holding pos.
    void reach(const RichDocument& doc, qsizetype paragraph, qsizetype pos);
    QVector<qsizetype> starts_; // starts_[i]: where paragraph i starts
};

// The format that typing at pos picks up: the character before it in its
// paragraph, else the first one after it, else the paragraph mark.
CharFormat formatAt(const RichDocument& doc, qsizetype pos, PositionIndex* index = nullptr);

// Removes [from, to); paragraphs joined by removing their end keep the
// later paragraph's mark.
void removeRange(RichDocument& doc, qsizetype from, qsizetype to, PositionIndex* index = nullptr);

// Inserts text at pos in fmt; CR LF, CR or LF start a new paragraph whose
// ending mark takes fmt. An empty paragraph's mark takes fmt as well.
// Returns the position after the inserted text.
qsizetype insertText(RichDocument& doc, qsizetype pos, const QString& text, const CharFormat& fmt,
                     PositionIndex* index = nullptr);
qsizetype insertObject(RichDocument& doc, qsizetype pos, std::shared_ptr<EmbeddedObject> obj,
                       const CharFormat& fmt, PositionIndex* index = nullptr);

// Visits the formats of every character, object and paragraph mark in
// [from, to). A mark counts when the range includes its paragraph end.
void visitFormats(const RichDocument& doc, qsizetype from, qsizetype to,
                  const std::function<void(const CharFormat&)>& visit, PositionIndex* index = nullptr);
void applyFormat(RichDocument& doc, qsizetype from, qsizetype to,
                 const std::function<void(CharFormat&)>& change, PositionIndex* index = nullptr);

} // namespace rt::edit
