// The content of a rich-text box: paragraphs of formatted runs and objects.
// One paragraph is one line of the box: a vertical column on a noshi page.
#pragma once

#include "platform/richtext/Color.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <QVector>
#include <cstdint>
#include <memory>

namespace rt {

struct CharFormat {
    QString fontName = QStringLiteral("ＭＳ 明朝"); // the name documents store, "@" prefix allowed
    double size = 10.0;                              // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    Color color = 0;
    double offset = 0.0; // baseline offset in points, positive moves up (across a vertical column)
    bool operator==(const CharFormat&) const = default;
};

class RichDocument;

// A picture or an embedded document: it takes one position in the text.
struct EmbeddedObject {
    enum class Kind { Picture, Object };
    Kind kind = Kind::Picture;
    QByteArray png;         // what is drawn; for an object its result picture (may be empty)
    QSizeF sizeMm;          // drawn size in millimetres
    QString objectClass;    // class of an embedded object as stored
    QByteArray objectData;  // the object's stored data, kept for writing it back
    QString sourcePath;     // the file the object was made from, when known
    bool metafilePlaceholder = false; // a picture format we cannot draw: shown as a framed box
    // An embedded rich document drawn as the picture of its page (the rank label).
    std::shared_ptr<const RichDocument> document;
    QSizeF pageSizeMm;
    bool documentVertical = false;
};

// One item of a paragraph: a run of text in one format, or one object.
struct Inline {
    QString text;
    CharFormat format;
    std::shared_ptr<EmbeddedObject> object; // set: this item is an object, text is empty

    bool isObject() const { return object != nullptr; }
    // Positions the item takes: its UTF-16 length, or 1 for an object.
    qsizetype length() const { return object ? 1 : text.size(); }
};

struct Paragraph {
    QVector<Inline> items;
    CharFormat mark; // format of the paragraph mark; an empty line takes its size
    qsizetype length() const;
};

// Positions count UTF-16 code units, an object as 1 and a paragraph end
// (between two paragraphs) as 2, as CR LF in the text.
class RichDocument {
public:
    RichDocument();

    QVector<Paragraph> paragraphs; // never empty: an empty document is one empty paragraph

    qsizetype length() const;
    QString plainText() const; // paragraph ends as "\r\n", an object as U+FFFC
    bool isEmpty() const;
    void clear(const CharFormat& markFormat = CharFormat());
    // Merges neighbouring runs of the same format and drops empty runs.
    void normalize();
    bool operator==(const RichDocument& o) const;
};

} // namespace rt

// Moved in memory as bytes (their members are Qt's own relocatable types), so
// that a document of many paragraphs grows without copying each of them.
Q_DECLARE_TYPEINFO(rt::CharFormat, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(rt::Paragraph, Q_RELOCATABLE_TYPE);
