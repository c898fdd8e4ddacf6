#include "platform/sysinfo/SysInfo.h"

#include "platform/vb/VbNum.h"

#include <QSysInfo>

namespace sysinfo {

QString OsType() { return FamilyNT; }
int MajorVersion() { return 10; }
int MinorVersion() { return 0; }

QString VersionText()
{
    return QString::number(MajorVersion()) + QLatin1Char('.') + QString::number(MinorVersion());
}

bool VersionAboveFour()
{
    return vb::CInt(vb::Val(VersionText())) > 4;
}

QString SystemName()
{
    const QString pretty = QSysInfo::prettyProductName();
    return pretty.isEmpty() ? QSysInfo::productType() : pretty;
}

QString KernelText()
{
    return QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion();
}

} // namespace sysinfo
