// Rich text (RTF) as the rich-text boxes load and save it: the files of
// Windows rich-edit controls and word processors in code page 932.
#pragma once

#include "platform/richtext/RichDocument.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace rt {

// What a file says about itself beyond the document's content.
struct RtfInfo {
    // Set when the file declares its writing direction (\vertdoc, \horzdoc,
    // \stextflow); rich-edit files never do, the box decides then.
    std::optional<bool> vertical;
};

// Parses into a temporary: on failure `out` is left as it was and `error`
// says why in words meant for the user.
bool readRtf(const QByteArray& rtf, RichDocument& out, QString* error = nullptr);
bool readRtf(const QByteArray& rtf, RichDocument& out, RtfInfo* info, QString* error);

// RTF that this program and common word processors open: \ansicpg932, a font
// table in \fcharset128, every non-ASCII character as \uN with its CP932
// bytes as fallback, pictures as PNG and objects with their data kept.
QByteArray writeRtf(const RichDocument& doc);

} // namespace rt
