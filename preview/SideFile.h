// The side file beside a saved inscription or name part: two lines in code
// page 932, the page's template key and its registered size name, each
// ended by CR LF. Readers take the two values as list-input fields.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace preview {

struct SideFile {
    QString templateKey;
    QString sizeName;
};

// X.nd1 and X.nd2 share X.ndb: the path minus its last four characters.
QString SideFilePath(const QString& partPath);

// The file's bytes. A value holding a comma or a double quote, or with a
// blank at either end, is quoted (an inner quote doubled) so that it reads
// back whole; plain values are written as they are.
std::optional<QByteArray> sideFileBytes(const SideFile& s, QString* error = nullptr);
// Reads the two fields. A missing line leaves its value empty; a file that
// is not code page 932 text, or that lacks the second line, is refused.
std::optional<SideFile> parseSideFile(const QByteArray& bytes, QString* error = nullptr);

// Written through a temporary file in the same folder.
bool writeSideFile(const QString& path, const SideFile& s, QString* error = nullptr);
std::optional<SideFile> readSideFile(const QString& path, QString* error = nullptr);

} // namespace preview
