// Code page 932 (Shift_JIS with the Windows extensions) through iconv.
// Every conversion either succeeds completely or reports the first offending
// byte or character: nothing is silently dropped or replaced.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace cp932 {

struct Error {
    bool failed = false;
    qsizetype position = -1;   // byte offset (decode) or UTF-16 index (encode)
    QString message;
};

QString decode(const QByteArray& bytes, Error* err = nullptr);
// The only characters written as others are the marks that input methods
// type in their JIS form, written as the code page's own forms of the same
// marks (they read back in those forms):
//   〜 U+301C → ～ U+FF5E   ‖ U+2016 → ∥ U+2225   − U+2212 → － U+FF0D
//   ¢ U+00A2 → ￠ U+FFE0    £ U+00A3 → ￡ U+FFE1   ¬ U+00AC → ￢ U+FFE2
//   — U+2014 → ― U+2015
// Any other character that would not read back as itself (¥ U+00A5 and
// ‾ U+203E, which the converter would write as \ and ~) is refused, the
// error naming it.
QByteArray encode(const QString& text, Error* err = nullptr);
QString toCp932Repertoire(const QString& text);

// Lines of a CP932 text; CR LF, LF or CR end a line; no trailing empty line
// for a final line end.
QStringList decodeLines(const QByteArray& bytes, Error* err = nullptr);
// Lines joined with CR LF after each one.
QByteArray encodeLines(const QStringList& lines, Error* err = nullptr);

} // namespace cp932
