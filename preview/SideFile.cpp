#include "preview/SideFile.h"

#include "platform/files/SafeFile.h"
#include "platform/text/Cp932.h"

namespace preview {

namespace {

QString quotedIfNeeded(const QString& v)
{
    // The reader skips blanks before an unquoted value and drops those after
    // it; a comma would end it and a leading quote would start a quoted one.
    if (!v.contains(u',') && !v.contains(u'"') && !v.startsWith(u' ') && !v.endsWith(u' '))
        return v;
    QString inner = v;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

// One list-input field of a line: leading half-width blanks skipped; a
// quoted field runs to the next lone quote (a doubled quote inside stands
// for one quote), else to a comma or the line's end.
QString firstField(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i] == u' ')
        ++i;
    if (i < line.size() && line[i] == u'"') {
        QString field;
        for (++i; i < line.size(); ++i) {
            if (line[i] == u'"') {
                if (i + 1 >= line.size() || line[i + 1] != u'"')
                    break;
                ++i;
            }
            field += line[i];
        }
        return field;
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
