// Where the program keeps its files. The original program kept its data
// file, database files, samples and labels beside its executable; here they
// live in the user's writable data folder, and the files shipped with the
// program are copied there on first use.
#pragma once

#include <QString>

namespace paths {

inline const QString Organization = QStringLiteral("Sorabeni");
inline const QString ApplicationName = QStringLiteral("Sorabeni Print System");

// Writable per-user data folder, created on demand (empty text when it cannot be created).
QString dataDir();
// The "program folder" of the windows: the data folder.
QString programDir();
// Read-only folder of the files shipped with the program.
QString shippedDir();
// Folder of the settings file.
QString configDir();
// Path of a file in the data folder (the folder and name joined with one "/").
QString dataFile(const QString& name);

// Copies a shipped file into the data folder unless a file of that name is
// already there (a user's file is never overwritten). Returns the path in the
// data folder, or an empty text with a message in *error when the file is
// neither there nor can be copied.
QString ensureShippedCopied(const QString& name, QString* error = nullptr);

} // namespace paths
