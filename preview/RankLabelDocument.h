// The rank label: a small page holding a rank and the text after it ("位"),
// centred in the print font. It is written as a rich-text document file and
// embedded into a name box as an object that shows its page. The main
// window's name preview shows the first rank with it; the preview editor's
// rank series makes one label per rank.
#pragma once

#include "platform/richtext/RichDocument.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <memory>

namespace preview {

// Half-width letters, digits, signs and the blank turned into their
// full-width forms; everything else is kept.
QString toFullWidth(const QString& text);

struct RankLabelSpec {
    QString fontName;      // the print font
    double fontSize = 24;  // points
    QString rank;          // first paragraph, as typed
    QString text;          // second paragraph ("位"), never converted
    bool fullWidth = false; // write the rank in full-width characters
    double pageWidthMm = 0;
    double pageHeightMm = 70;
    double marginMm = 5;           // all four sides
    double headerFooterMm = 12.7;  // header and footer distance
};

class RankLabelDocument {
public:
    static inline const QString FileName = QStringLiteral("dmPre.doc");

    explicit RankLabelDocument(RankLabelSpec spec) : spec_(std::move(spec)) {}
    const RankLabelSpec& spec() const { return spec_; }

    // The label's two paragraphs as the document holds them.
    rt::RichDocument content() const;
    // The document file: RTF with the page size, margins, header and footer
    // distances and centred paragraphs.
    QByteArray documentRtf() const;
    // The page as drawn: margins and centring spelled out in blanks, so that
    // any box draws it as it would print.
    rt::RichDocument pageDocument() const;

    // Writes the document file through a temporary file and returns the
    // object to embed. On failure no label is returned, an older file of
    // that name is removed (it would show another rank) and *error says why.
    std::shared_ptr<rt::EmbeddedObject> writeFile(const QString& path, QString* error = nullptr) const;

private:
    RankLabelSpec spec_;
};

} // namespace preview
