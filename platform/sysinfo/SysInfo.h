// What the program knows of the system it runs on. Layout and printing were
// tuned for the "NT/XP" family with a version above 4, and this platform
// always reports that; the real system's name is shown to the user only.
#pragma once

#include <QString>

namespace sysinfo {

inline const QString FamilyNT = QStringLiteral("NT/XP");
inline const QString Family98 = QStringLiteral("98/Me");

// Extent of the 4-point measuring blank, fixed for systems above version 4.
constexpr double FixedSpaceExtent = 1.587502;

// Platform family: always "NT/XP".
QString OsType();
int MajorVersion();   // 10
int MinorVersion();   // 0
// Major "." minor without blanks: "10.0".
QString VersionText();
// True when VersionText, rounded to a whole number, is above 4: the rule
// under which the measuring blank takes FixedSpaceExtent.
bool VersionAboveFour();

// The real system, for the information panel: "Debian GNU/Linux 12 (bookworm)".
QString SystemName();
// Kernel type and version: "linux 6.1.0-18-amd64".
QString KernelText();

} // namespace sysinfo
