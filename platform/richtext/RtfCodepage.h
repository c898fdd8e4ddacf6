// The single- and double-byte code pages that RTF text bytes arrive in.
// Tables are built once from the CP932 converter so that decoding a run of
// \'hh bytes or finding a \uN fallback costs a lookup, not a converter call.
#pragma once

#include <QByteArray>
#include <QString>

namespace rt::rtfcp {

enum class CodePage { Cp932, Cp1252 };

// The code page that bytes take under a font's \fcharset (-1 when the font
// names none) in a document of code page `ansiCodePage` (\ansicpg).
CodePage forCharset(int charset, int ansiCodePage);

bool isLeadByte(uchar b);

// Decodes `bytes`; on an undefined byte or a lead byte without its trail,
// returns false and the offset of the offending byte in `badAt`.
bool decode(const QByteArray& bytes, CodePage cp, QString& out, qsizetype* badAt);

// The CP932 bytes of one UTF-16 code unit; empty when it has none (a
// surrogate, a character outside the code page).
QByteArray encode932(char16_t c);

} // namespace rt::rtfcp
