#include "platform/paths/AppPaths.h"
#include "platform/paths/AppPathsTesting.h"

#include "platform/files/SafeFile.h"
#include "platform/run/RunState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace paths {

namespace {

struct ShippedOverride {
    QString dir;
};

QString& shippedOverride() { return run::slot<ShippedOverride>().dir; }

// Fixed folder names, so that the place does not depend on whether the
// caller set the application's organisation and name.
QString appFolder(QStandardPaths::StandardLocation base)
{
    return QStandardPaths::writableLocation(base) + QLatin1Char('/') + Organization + QLatin1Char('/') + ApplicationName;
}

// The shipped files are samples and labels of a few hundred kilobytes.
constexpr qint64 MaxShippedFileBytes = 64 * 1024 * 1024;

} // namespace

QString dataDir()
{
    const QString dir = appFolder(QStandardPaths::GenericDataLocation);
    if (!QDir().mkpath(dir))
        return {};
    return dir;
}

QString programDir() { return dataDir(); }

QString configDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + Organization;
}

QString shippedDir()
{
    if (!shippedOverride().isEmpty())
        return shippedOverride();
    // An installed program keeps its files in ../share/<name> beside the binary.
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kazaguru");
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
#ifdef NOSHI_SHARE_DIR
    return QStringLiteral(NOSHI_SHARE_DIR);
#else
    return installed;
#endif
}

QString dataFile(const QString& name)
{
    return dataDir() + QLatin1Char('/') + name;
}

QString ensureShippedCopied(const QString& name, QString* error)
{
    const QString data = dataDir();
    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("データフォルダを作成できません。");
        return {};
    }
    const QString target = data + QLatin1Char('/') + name;
    if (QFileInfo::exists(target))
        return target;
    const QString source = shippedDir() + QLatin1Char('/') + name;
    const files::ReadResult in = files::readRegularFile(source, MaxShippedFileBytes);
    if (!in.ok()) {
        if (error)
            *error = QStringLiteral("ファイルが見つかりません: %1（%2）").arg(source, in.reason);
        return {};
    }
    // Whole or not at all, so that a failed copy leaves no half file that
    // would later be taken for the user's own.
    QString reason;
    if (!files::writeFileSafely(target, in.bytes, &reason)) {
        if (error)
            *error = QStringLiteral("ファイルを書き込めません: %1（%2）").arg(target, reason);
        return {};
    }
    return target;
}

void setShippedDirForTests(const QString& dir) { shippedOverride() = dir; }

} // namespace paths
