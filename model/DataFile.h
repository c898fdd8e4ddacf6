// NoshiData4.log: the registered sizes and inscriptions, one value a line,
// code page 932, CR LF. Read once at start-up, rewritten whole at exit.
#pragma once

#include "model/LiveStore.h"

#include <QString>

namespace app {

inline const QString DataFileName = QStringLiteral("NoshiData4.log");
inline const QString DataFileHeaderText =
    QStringLiteral("このファイルは初期設定されたデータが保存されています。");
inline const QString DataFileVersionTag = QStringLiteral("KZ60");
// Far above any real file (a full store is some tens of kilobytes); a larger
// file is refused before it is read.
inline constexpr qint64 MaxDataFileBytes = 8 * 1024 * 1024;

// The data file in the per-user data folder.
QString dataFilePath();
// Tests and tools: use another folder for the data file (empty: the default).
void setDataFolderOverride(const QString& folder);

struct DataFileResult {
    bool ok = true;        // false: damaged (read) or not written (write)
    bool missing = false;  // read: there was no file (a first run)
    QString problem;       // what went wrong, for the user
};

// Fills the sizes, inscriptions and DataFileHeader. A damaged file loads what
// can be read; the store is then marked so that no save overwrites the file
// unless the user changed something, and the message names the copy the
// first save keeps of it.
DataFileResult ReadDataFile(LiveStore& s, const QString& path = dataFilePath());
// The same from the file's bytes; `name` is the file named in messages.
DataFileResult ReadDataFileBytes(LiveStore& s, const QByteArray& bytes, const QString& name);
// Replaces the file through a temporary file; a failure leaves the old file.
// A file loaded damaged is first copied to "<name>.damaged" (numbered when
// that exists); without the copy nothing is written.
DataFileResult WriteDataFile(LiveStore& s, const QString& path = dataFilePath());

// The lines the writer produces (exposed for tests of the layout).
QStringList dataFileLines(const LiveStore& s);

} // namespace app
