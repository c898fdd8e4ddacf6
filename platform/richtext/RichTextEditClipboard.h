// What the editing widget puts on the clipboard and takes from it. Between
// boxes of this program rich text travels as RTF under an internal type (and
// under "text/rtf" for word processors), with plain text beside it; from
// other programs it takes RTF, pictures and plain text.
#pragma once

#include "platform/richtext/RichTextBox.h"

#include <QImage>
#include <QMimeData>
#include <memory>
#include <optional>

namespace rt::clip {

inline const QString InternalMime = QStringLiteral("application/x-noshi-richtext");
inline const QString RtfMime = QStringLiteral("text/rtf");

// The part [from, to) of a document as a document of its own.
RichDocument fragment(const RichDocument& doc, qsizetype from, qsizetype to);

// Clipboard data for [from, to): RTF, plain text with LF line ends and, for
// a selection that is one picture, the picture.
std::unique_ptr<QMimeData> mimeFor(const RichDocument& doc, qsizetype from, qsizetype to);

// What a paste brings, in order of preference: rich text, a picture, text.
struct Pasted {
    std::optional<RichDocument> rich;
    std::shared_ptr<EmbeddedObject> picture;
    QString text;
    bool isEmpty() const { return !rich && !picture && text.isEmpty(); }
};
Pasted read(const QMimeData& mime);

// A picture object drawn at the image's own resolution (96 dpi when it has none).
std::shared_ptr<EmbeddedObject> pictureFrom(const QImage& image);

// Replaces the box's selection with a fragment, keeping its formats and
// paragraph marks; the caret ends after it.
void insertFragment(RichTextBox& box, const RichDocument& fragment);

} // namespace rt::clip
