#include "platform/paths/AppPaths.h"
#include "platform/paths/AppPathsTesting.h"
#include "common/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(AppPaths, DataFolderIsPrivateAndCreatedOnDemand)
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir(dataHome + "/Sorabeni").removeRecursively();
    const QString dir = paths::dataDir();
    EXPECT_TRUE(dir.startsWith(dataHome)) << dir.toStdString();
    EXPECT_TRUE(QDir(dir).exists());
    EXPECT_EQ(paths::programDir(), dir);
    EXPECT_EQ(paths::dataFile("NoshiData4.log"), dir + "/NoshiData4.log");
    EXPECT_TRUE(paths::configDir().startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
}

TEST(AppPaths, ShippedFilesAreCopiedOnceAndNeverOverUserFiles)
{
    QTemporaryDir shipped;
    paths::setShippedDirForTests(shipped.path());
    writeAll(shipped.path() + "/SampleT1.nd1", "shipped");
    QFile::remove(paths::dataFile("SampleT1.nd1"));

    QString error;
    const QString copied = paths::ensureShippedCopied("SampleT1.nd1", &error);
    EXPECT_EQ(copied, paths::dataFile("SampleT1.nd1"));
    EXPECT_EQ(fileBytes(copied), QByteArray("shipped"));

    writeAll(copied, "the user's own");
    EXPECT_EQ(paths::ensureShippedCopied("SampleT1.nd1"), copied);
    EXPECT_EQ(fileBytes(copied), QByteArray("the user's own"));

    EXPECT_TRUE(paths::ensureShippedCopied("NoSuchFile.rtf", &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(paths::dataFile("NoSuchFile.rtf")));

    paths::setShippedDirForTests({});
    EXPECT_NE(paths::shippedDir(), shipped.path());
}
