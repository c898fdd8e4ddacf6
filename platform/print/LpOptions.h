// The user's own printer defaults, kept by CUPS in ~/.cups/lpoptions as
// lines "Dest <printer> name=value ...". Changing a printer's default paper
// here changes it for this user only, never for every user of the machine.
#pragma once

#include <QString>
#include <QStringList>

namespace prn {

// The file's text with `option` of the printer's line set to `value`: other
// lines, other printers and the line's other options stay as they were; a
// printer without a line gets one. Options that name the same thing
// (`alsoDrop`, e.g. "media" beside "PageSize") are removed from the line.
QString setDestOption(const QString& fileText, const QString& printer, const QString& option,
                      const QString& value, const QStringList& alsoDrop = {});

// ~/.cups/lpoptions of the current user.
QString userLpOptionsPath();

// Sets the printer's default paper (its PPD key) in the user's file, written
// through a temporary file; false with the reason in *error when it cannot
// be written (the file then stays as it was).
bool setUserDefaultPaper(const QString& printer, const QString& pageSizeKey, QString* error = nullptr);

} // namespace prn
