#include "platform/files/SafeFileFaults.h"
#include "platform/paths/AppPaths.h"
#include "platform/settings/SettingsStore.h"

#include "common/ThreadCpuTime.h"
#include "common/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <cerrno>
#include <map>

namespace {

void writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { clean(); }
    void TearDown() override { clean(); }
    static void clean()
    {
        QFile::remove(paths::configDir()); // a test may leave a file in the folder's place
        QDir(paths::configDir()).removeRecursively();
        settings::reload();
    }
};

} // namespace

TEST_F(SettingsStoreTest, ValuesRoundTripThroughTheFile)
{
    EXPECT_EQ(settings::GetSetting("Font", QStringLiteral("ＭＳ 明朝")), QStringLiteral("ＭＳ 明朝"));
    EXPECT_TRUE(settings::loadProblem().isEmpty());

    const struct { QString key; QString value; } cases[] = {
        {"Font", QStringLiteral("IPAMincho")},
        {QStringLiteral("表書き"), QStringLiteral("御中元")},
        {"Blanks", QStringLiteral("  内 祝　")},
        {"FullBlank", QStringLiteral("　")},
        {"Empty", QString()},
        {"Specials", QStringLiteral("a=b;c#d[e]\\f\"g\"\n2行目\r\tend")},
        {"Quoted", QStringLiteral("\"x\"")},
        {QStringLiteral(" key=with;odd[chars "), QStringLiteral("v")},
    };
    for (const auto& c : cases) {
        QString error;
        ASSERT_TRUE(settings::SaveSetting(c.key, c.value, settings::Section, &error)) << error.toStdString();
    }
    ASSERT_TRUE(settings::SaveSetting("Other", "1", QStringLiteral("短冊")));
    EXPECT_TRUE(QFileInfo(settings::storePath()).fileName() == QStringLiteral("Sorabeni Print System.ini"));

    settings::reload();
    for (const auto& c : cases)
        EXPECT_EQ(settings::GetSetting(c.key, QStringLiteral("<default>")), c.value) << c.key.toStdString();
    EXPECT_EQ(settings::GetSetting("Other", "", QStringLiteral("短冊")), QStringLiteral("1"));
    EXPECT_EQ(settings::GetSetting("Other", "absent"), QStringLiteral("absent")); // sections are apart
    EXPECT_EQ(settings::GetSetting("font"), QStringLiteral("IPAMincho"));         // keys ignore case
    EXPECT_TRUE(settings::loadProblem().isEmpty());

    ASSERT_TRUE(settings::DeleteSetting("FONT"));
    settings::reload();
    EXPECT_EQ(settings::GetSetting("Font", "gone"), QStringLiteral("gone"));
    EXPECT_EQ(settings::GetSetting(QStringLiteral("表書き")), QStringLiteral("御中元"));
}

// Texts built from the characters the file format treats specially, so that
// every escaping path is taken in some order.
TEST_F(SettingsStoreTest, AnyTextRoundTrips)
{
    const QString alphabet = QStringLiteral(" \t\r\n=;#[]\"\\a　表\u00a0");
    QRandomGenerator rng(932);
    const auto randomText = [&](int minLen) {
        QString s;
        const int n = minLen + int(rng.bounded(8));
        for (int i = 0; i < n; ++i)
            s += alphabet.at(rng.bounded(int(alphabet.size())));
        return s;
    };
    std::map<QString, QString> written;
    for (int i = 0; i < 60; ++i) {
        const QString key = randomText(1) + QString::number(i);
        written[key] = randomText(0);
        ASSERT_TRUE(settings::SaveSetting(key, written[key]));
    }
    EXPECT_FALSE(settings::SaveSetting(QString(), "x")); // a key needs a name
    settings::reload();
    EXPECT_TRUE(settings::loadProblem().isEmpty()) << settings::loadProblem().toStdString();
    for (const auto& [key, value] : written)
        EXPECT_EQ(settings::GetSetting(key, "<absent>"), value) << key.toStdString();
}

TEST_F(SettingsStoreTest, TypedReadsFallBackToTheirDefault)
{
    settings::SaveBool("Toffset5", false);
    settings::SaveNumber("PrOffsetX", -3);
    settings::SaveNumber("MainLeft", 1234.5);
    settings::SaveSetting("OBold", "x");
    settings::reload();
    EXPECT_EQ(settings::GetSetting("Toffset5"), QStringLiteral("False"));
    EXPECT_FALSE(settings::GetBool("Toffset5", true));
    EXPECT_TRUE(settings::GetBool("Set7", true));
    EXPECT_EQ(settings::GetInt("PrOffsetX", 7), -3);
    EXPECT_EQ(settings::GetInt("PrOffsetY", 7), 7);
    EXPECT_DOUBLE_EQ(settings::GetDouble("MainLeft", 0), 1234.5);
    EXPECT_EQ(settings::GetInt("OBold", 0), 0); // a text that does not convert
}

TEST_F(SettingsStoreTest, ChangesMadeOnDiskSinceLoadingAreKept)
{
    settings::SaveSetting("A", "1");
    EXPECT_EQ(settings::GetSetting("A"), QStringLiteral("1"));
    // Another writer adds a key after this run loaded the store.
    writeAll(settings::storePath(), "[Settings]\nA=1\nB=from elsewhere\n");
    ASSERT_TRUE(settings::SaveSetting("C", "3"));
    settings::reload();
    EXPECT_EQ(settings::GetSetting("B"), QStringLiteral("from elsewhere"));
    EXPECT_EQ(settings::GetSetting("C"), QStringLiteral("3"));
}

TEST_F(SettingsStoreTest, DamagedFileIsReportedAndBackedUpBeforeRewriting)
{
    const QByteArray damaged = QByteArray("[Settings]\nFont=IPAGothic\ngarbage without equals\nrtfColor=\xff\xfe\x01\n");
    writeAll(settings::storePath(), damaged);
    settings::reload();
    EXPECT_FALSE(settings::loadProblem().isEmpty());
    EXPECT_EQ(settings::GetSetting("Font", "def"), QStringLiteral("IPAGothic")); // what reads cleanly stays
    EXPECT_EQ(settings::GetSetting("rtfColor", "12632256"), QStringLiteral("12632256"));

    ASSERT_TRUE(settings::SaveSetting("NFontSize", "2"));
    EXPECT_EQ(fileBytes(settings::storePath() + ".damaged"), damaged);
    settings::reload();
    EXPECT_TRUE(settings::loadProblem().isEmpty());
    EXPECT_EQ(settings::GetSetting("Font"), QStringLiteral("IPAGothic"));
    EXPECT_EQ(settings::GetSetting("NFontSize"), QStringLiteral("2"));

    // A second damage never replaces the first backup.
    writeAll(settings::storePath(), "no section=1\n");
    ASSERT_TRUE(settings::SaveSetting("X", "1"));
    EXPECT_EQ(fileBytes(settings::storePath() + ".damaged"), damaged);
    EXPECT_EQ(fileBytes(settings::storePath() + ".damaged.1"), QByteArray("no section=1\n"));
}

TEST_F(SettingsStoreTest, UnreadableOrUnwritableStoreLosesNothing)
{
    // A folder where the file should be: unreadable, and must not be replaced.
    QDir().mkpath(settings::storePath());
    writeAll(settings::storePath() + "/keep", "x");
    settings::reload();
    EXPECT_EQ(settings::GetSetting("Font", "def"), QStringLiteral("def"));
    EXPECT_FALSE(settings::loadProblem().isEmpty());
    QString error;
    EXPECT_FALSE(settings::SaveSetting("Font", "IPAMincho", settings::Section, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(settings::storePath() + "/keep"));

    // A file where the settings folder should be: the write fails and says so.
    QDir(paths::configDir()).removeRecursively();
    writeAll(paths::configDir(), "not a folder");
    settings::reload();
    error.clear();
    EXPECT_FALSE(settings::SaveSetting("Font", "IPAMincho", settings::Section, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fileBytes(paths::configDir()), QByteArray("not a folder"));
}

TEST_F(SettingsStoreTest, ManyKeysAreSavedInOneReplacementAndQuickly)
{
    QList<settings::Setting> many;
    for (int i = 0; i < 10000; ++i)
        many.append({QStringLiteral("Key%1").arg(i), QStringLiteral("値%1").arg(i)});
    int renames = 0;
    files::faults::setHook([&](files::faults::Step s) {
        renames += s == files::faults::Step::Rename;
        return 0;
    });
    const double started = testing_support::threadCpuMs();
    ASSERT_TRUE(settings::SaveSettings(many));
    EXPECT_EQ(renames, 1);
    settings::reload();
    for (int i = 0; i < 10000; ++i)
        ASSERT_EQ(settings::GetSetting(QStringLiteral("KEY%1").arg(i)), QStringLiteral("値%1").arg(i));
    // Thirty keys changed at exit: still one replacement of the whole file.
    QList<settings::Setting> exit;
    for (int i = 0; i < 30; ++i)
        exit.append({QStringLiteral("key%1").arg(i * 7), QStringLiteral("new")});
    renames = 0;
    ASSERT_TRUE(settings::SaveSettings(exit));
    files::faults::setHook({});
    EXPECT_EQ(renames, 1);
    EXPECT_LT(testing_support::threadCpuMs() - started, 1500);
    settings::reload();
    EXPECT_EQ(settings::GetSetting(QStringLiteral("Key7")), QStringLiteral("new"));
    EXPECT_EQ(settings::GetSetting(QStringLiteral("Key8")), QStringLiteral("値8"));

    // A failed save of many keys changes none of them on disk.
    files::faults::setHook([](files::faults::Step s) { return s == files::faults::Step::Rename ? EIO : 0; });
    QString error;
    EXPECT_FALSE(settings::SaveSettings({{"Key1", "x"}, {"Key2", "y"}}, settings::Section, &error));
    files::faults::setHook({});
    EXPECT_FALSE(error.isEmpty());
    settings::reload();
    EXPECT_EQ(settings::GetSetting(QStringLiteral("Key1")), QStringLiteral("値1"));
    EXPECT_EQ(settings::GetSetting(QStringLiteral("Key2")), QStringLiteral("値2"));
}
