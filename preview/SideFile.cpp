#include "preview/SideFile.h"

#include "platform/files/SafeFile.h"
#include "platform/text/Cp932.h"

namespace preview {

namespace {

QString quotedIfNeeded(const QString& v)
{
    if (!v.contains(u',') && !v.contains(u'"'))
        return v;
    // A list-input field cannot hold a quote inside quotes: it is dropped.
    QString inner = v;
    inner.remove(u'"');
    return u'"' + inner + u'"';
}

// One list-input field of a line: leading half-width blanks skipped; a
// quoted field runs to the next quote, else to a comma or the line's end.
QString firstField(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i] == u' ')
        ++i;
    if (i < line.size() && line[i] == u'"') {
        const qsizetype close = line.indexOf(u'"', i + 1);
        return close < 0 ? line.mid(i + 1) : line.mid(i + 1, close - i - 1);
    }
    const qsizetype comma = line.indexOf(u',', i);
    QString field = comma < 0 ? line.mid(i) : line.mid(i, comma - i);
    // Trailing half-width blanks of an unquoted field are not part of it.
    while (field.endsWith(u' '))
        field.chop(1);
    return field;
}

} // namespace

QString SideFilePath(const QString& partPath) { return partPath.left(partPath.size() - 4) + QStringLiteral(".ndb"); }

std::optional<QByteArray> sideFileBytes(const SideFile& s, QString* error)
{
    cp932::Error err;
    const QByteArray bytes = cp932::encodeLines({quotedIfNeeded(s.templateKey), quotedIfNeeded(s.sizeName)}, &err);
    if (err.failed) {
        if (error)
            *error = QStringLiteral("のし紙サイズ名をシフトJISで書けません。%1").arg(err.message);
        return std::nullopt;
    }
    return bytes;
}

std::optional<SideFile> parseSideFile(const QByteArray& bytes, QString* error)
{
    cp932::Error err;
    const QStringList lines = cp932::decodeLines(bytes, &err);
    if (err.failed) {
        if (error)
            *error = QStringLiteral("のし紙サイズのファイルがシフトJISの文字ではありません。");
        return std::nullopt;
    }
    if (lines.size() < 2) {
        if (error)
            *error = QStringLiteral("のし紙サイズのファイルに２行目（サイズ名）がありません。");
        return std::nullopt;
    }
    return SideFile{firstField(lines[0]), firstField(lines[1])};
}

bool writeSideFile(const QString& path, const SideFile& s, QString* error)
{
    const auto bytes = sideFileBytes(s, error);
    if (!bytes)
        return false;
    QString reason;
    if (!files::writeFileSafely(path, *bytes, &reason)) {
        if (error)
            *error = QStringLiteral("ファイル「%1」に保存できません。%2").arg(path, reason);
        return false;
    }
    return true;
}

std::optional<SideFile> readSideFile(const QString& path, QString* error)
{
    // Two short lines: anything large is not a side file.
    const files::ReadResult r = files::readRegularFile(path, 4096);
    if (!r.ok()) {
        if (error)
            *error = QStringLiteral("のし紙サイズのファイル「%1」を読めません。%2").arg(path, r.reason);
        return std::nullopt;
    }
    return parseSideFile(r.bytes, error);
}

} // namespace preview
