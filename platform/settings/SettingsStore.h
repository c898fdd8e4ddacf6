// The per-user settings store: section "Settings" under the application
// title, kept as an INI file in the user's configuration folder. Values are
// stored as text; every read names its default. A damaged or unreadable file
// gives the defaults with a message and is never overwritten with less than
// it held.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace settings {

inline const QString AppTitle = QStringLiteral("Sorabeni Print System");
inline const QString Section = QStringLiteral("Settings");

// Read a setting; the default when the key is absent or the store unreadable.
QString GetSetting(const QString& key, const QString& defaultValue = QString(),
                   const QString& section = Section);
// Write a setting (as text). Returns false, with a message in *error, when
// the file cannot be written; the old file then stays as it was.
bool SaveSetting(const QString& key, const QString& value,
                 const QString& section = Section, QString* error = nullptr);
// Writes several settings in one replacement of the file, so that a save
// cut short leaves all of them old or all new; false with a message as above.
struct Setting {
    QString key;
    QString value;
};
bool SaveSettings(const QList<Setting>& values, const QString& section = Section, QString* error = nullptr);
// Remove a key (an empty key removes the whole section); false, with a
// message in *error, when the file cannot be written.
bool DeleteSetting(const QString& key, const QString& section = Section, QString* error = nullptr);
// Booleans are kept as "True"/"False" and numbers as decimal text; these read
// them back with the default when the key is absent or does not convert.
bool GetBool(const QString& key, bool defaultValue, const QString& section = Section);
int GetInt(const QString& key, int defaultValue, const QString& section = Section);
double GetDouble(const QString& key, double defaultValue, const QString& section = Section);
bool SaveBool(const QString& key, bool value, const QString& section = Section, QString* error = nullptr);
bool SaveNumber(const QString& key, double value, const QString& section = Section, QString* error = nullptr);
// Path of the INI file (for messages and tests).
QString storePath();
// Problems met while reading (a damaged file); empty when all is well.
QString loadProblem();
// Tests and start-up: forget the cached store so the file is read again.
void reload();

} // namespace settings
