#include "model/DataFile.h"
#include "platform/text/Cp932.h"
#include "common/FileBytes.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace app;

namespace {

RegisteredSize size(const QString& key, const QString& name, int offset = 0)
{
    RegisteredSize z;
    for (int s = 0; s < NameStyleCount; ++s) {
        z.RegSizeTemplate[size_t(s)] = key;
        z.RegSizeName[size_t(s)] = name;
        z.RegOffsetX[size_t(s)] = offset + s;
        z.RegOffsetOmote[size_t(s)] = -offset - s;
        z.RegOffsetName[size_t(s)] = offset * 2;
    }
    return z;
}

class DataFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(DataFileName); }
};

} // namespace

TEST_F(DataFileTest, OneSizeWithoutInscriptionsIsTwentyLinesInTheFixedLayout)
{
    LiveStore s;
    RegisteredSize z = size(QStringLiteral("Ａ４判　　　　"), QStringLiteral("Ａ４"), 2);
    z.RegSizeWidth = 297;
    z.RegSizeHeight = 210;
    ASSERT_TRUE(s.addSize(z));
    ASSERT_TRUE(WriteDataFile(s, path()).ok);

    const QByteArray bytes = fileBytes(path());
    const QStringList lines = cp932::decodeLines(bytes);
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(bytes.count("\r\n"), 20);
    EXPECT_EQ(lines[0], QStringLiteral("このファイルは初期設定されたデータが保存されています。 KZ60"));
    EXPECT_EQ(lines[1], QStringLiteral(" 1 "));
    EXPECT_EQ(lines[2], QStringLiteral("Ａ４判　　　　"));
    EXPECT_EQ(lines[3], QStringLiteral("Ａ４"));
    EXPECT_EQ(lines[4], QStringLiteral(" 2 "));
    EXPECT_EQ(lines[5], QStringLiteral("-2 "));
    EXPECT_EQ(lines[6], QStringLiteral(" 4 "));
    EXPECT_EQ(lines[17], QStringLiteral(" 0 "));
    EXPECT_EQ(lines[18], QStringLiteral(" 297 "));
    EXPECT_EQ(lines[19], QStringLiteral(" 210 "));
}

TEST_F(DataFileTest, SaveAndReloadGiveTheSameStoreByteForByte)
{
    LiveStore s;
    s.addSize(size(QStringLiteral("ＮＯ１　　　　"), QStringLiteral("小 \"箱\", 赤"), -3));
    RegisteredSize wide = size(QStringLiteral("短冊（大）　　"), QStringLiteral("　全角　空白　"), 5);
    wide.RegSizeWidth = 60;
    s.addSize(wide);
    s.addOmote(QStringLiteral("御中元"));
    s.addOmote(QStringLiteral("\"御礼\", 内祝"));
    s.addOmote(QStringLiteral("　寿　"));
    s.addOmote(QString());
    ASSERT_TRUE(WriteDataFile(s, path()).ok);

    LiveStore back;
    const DataFileResult r = ReadDataFile(back, path());
    EXPECT_TRUE(r.ok) << r.problem.toStdString();
    EXPECT_FALSE(back.loadedDamaged());
    ASSERT_EQ(back.RegSizeCount(), 2);
    EXPECT_EQ(back.size(0), s.size(0));
    EXPECT_EQ(back.size(1), s.size(1));
    ASSERT_EQ(back.OmoteCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(back.omote(i), s.omote(i));

    const QString again = dir.filePath(QStringLiteral("again.log"));
    ASSERT_TRUE(WriteDataFile(back, again).ok);
    EXPECT_EQ(fileBytes(again), fileBytes(path()));
}

TEST_F(DataFileTest, OldStripSheetKeyIsRenamedOnRead)
{
    // Also with a stray blank after it, as an edited file may have.
    for (const QString& old : {QStringLiteral("短冊シートＢ５"), QStringLiteral("短冊シートＢ５ ")}) {
        LiveStore s;
        s.addSize(size(old, QStringLiteral("短冊５枚")));
        ASSERT_TRUE(WriteDataFile(s, path()).ok);
        LiveStore back;
        ReadDataFile(back, path());
        for (int st = 0; st < NameStyleCount; ++st)
            EXPECT_EQ(back.size(0).RegSizeTemplate[size_t(st)], QStringLiteral("短冊Ｂ５／５Ｐ"));
        ASSERT_TRUE(WriteDataFile(back, path()).ok);
        EXPECT_TRUE(cp932::decodeLines(fileBytes(path())).contains(QStringLiteral("短冊Ｂ５／５Ｐ")));
    }
}

TEST_F(DataFileTest, FileNameIsFoundWhateverItsCase)
{
    LiveStore s;
    s.addSize(size(QStringLiteral("Ａ４判　　　　"), QStringLiteral("Ａ４")));
    const QString upper = dir.filePath(QStringLiteral("NoshiData4.LOG"));
    ASSERT_TRUE(WriteDataFile(s, upper).ok);
    LiveStore back;
    EXPECT_TRUE(ReadDataFile(back, path()).ok);
    EXPECT_EQ(back.RegSizeCount(), 1);
}

TEST_F(DataFileTest, MissingFileIsAnEmptyStoreWithoutComplaint)
{
    LiveStore back;
    const DataFileResult r = ReadDataFile(back, path());
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.missing);
    EXPECT_EQ(back.RegSizeCount(), 0);
    EXPECT_EQ(back.OmoteCount(), 0);
    EXPECT_FALSE(back.mayWriteDataFile());
}

TEST_F(DataFileTest, DamagedFilesLoadWhatCanBeReadAndAreKeptUntilTheUserChangesSomething)
{
    LiveStore good;
    good.addSize(size(QStringLiteral("Ａ４判　　　　"), QStringLiteral("Ａ４"), 1));
    good.addSize(size(QStringLiteral("Ｂ５判　　　　"), QStringLiteral("Ｂ５"), 1));
    good.addOmote(QStringLiteral("御中元"));
    ASSERT_TRUE(WriteDataFile(good, path()).ok);
    const QByteArray clean = fileBytes(path());
    QList<QByteArray> lines = clean.split('\n');

    struct Case {
        const char* what;
        QByteArray bytes;
        int sizes;
        int omote;
    };
    QList<QByteArray> badNumber = lines;
    badNumber[4] = "abc\r";                       // RegOffsetX of row 0, style 0
    QList<QByteArray> badBytes = lines;
    badBytes[3] = QByteArray("\x82\xA0\x82\r");   // name cut inside a double-byte character
    QList<QByteArray> hugeCount = lines;
    hugeCount[1] = " 70000 \r";
    const Case cases[] = {
        {"short", lines.mid(0, 25).join('\n'), 2, 0},
        {"bad number", badNumber.join('\n'), 2, 1},
        {"bad bytes", badBytes.join('\n'), 2, 1},
        {"count out of range", hugeCount.join('\n'), 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFileBytes(path(), c.bytes);
        LiveStore s;
        const DataFileResult r = ReadDataFile(s, path());
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.problem.isEmpty());
        EXPECT_TRUE(s.loadedDamaged());
        EXPECT_EQ(s.RegSizeCount(), c.sizes);
        EXPECT_EQ(s.OmoteCount(), c.omote);
        EXPECT_FALSE(s.mayWriteDataFile()) << "a damaged file must not be overwritten unasked";
        if (s.RegSizeCount() > 0) {
            ASSERT_TRUE(s.setOffsets(0, 0, 1, 1, 1));
            EXPECT_TRUE(s.mayWriteDataFile());
        }
    }
    // What was readable is kept: the bad number becomes 0, the rest is intact.
    writeFileBytes(path(), badNumber.join('\n'));
    LiveStore s;
    ReadDataFile(s, path());
    EXPECT_EQ(s.size(0).RegOffsetX[0], 0);
    EXPECT_EQ(s.size(0).RegOffsetOmote[0], -1);
    EXPECT_EQ(s.size(1).RegSizeName[2], QStringLiteral("Ｂ５"));
    EXPECT_EQ(s.omote(0), QStringLiteral("御中元"));
}

TEST_F(DataFileTest, TheFirstWriteOverADamagedFileKeepsItUnderAFreeName)
{
    writeFileBytes(path() + ".damaged", "an older copy");
    const QByteArray damaged = "header\r\n x \r\n";
    writeFileBytes(path(), damaged);
    LiveStore s;
    const DataFileResult r = ReadDataFile(s, path());
    EXPECT_TRUE(r.problem.contains(QStringLiteral("「NoshiData4.log.damaged.1」として残します"))) << r.problem.toStdString();
    ASSERT_TRUE(s.addSize(size(QStringLiteral("Ａ４判　　　　"), QStringLiteral("Ａ４"))));
    ASSERT_TRUE(WriteDataFile(s, path()).ok);
    EXPECT_EQ(fileBytes(path() + ".damaged"), "an older copy");
    EXPECT_EQ(fileBytes(path() + ".damaged.1"), damaged);
    ASSERT_TRUE(WriteDataFile(s, path()).ok);
    EXPECT_FALSE(QFileInfo::exists(path() + ".damaged.2"));
}

TEST_F(DataFileTest, CountsAboveCapacityReadTheRowsThatFitAndGoOnWithTheNextSection)
{
    LiveStore full;
    for (int i = 0; i < LiveStore::RegSizeCapacity; ++i)
        ASSERT_TRUE(full.addSize(size(QStringLiteral("Ａ４判　　　　"), QStringLiteral("S%1").arg(i))));
    full.addOmote(QStringLiteral("御歳暮"));
    ASSERT_TRUE(WriteDataFile(full, path()).ok);
    // The same file claiming 105 sizes: the rows beyond 101 take no lines.
    QByteArray bytes = fileBytes(path());
    bytes.replace("\r\n 101 \r\n", "\r\n 105 \r\n");
    writeFileBytes(path(), bytes);

    LiveStore s;
    const DataFileResult r = ReadDataFile(s, path());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(s.RegSizeCount(), LiveStore::RegSizeCapacity);
    EXPECT_EQ(s.size(100).RegSizeName[0], QStringLiteral("S100"));
    ASSERT_EQ(s.OmoteCount(), 1);
    EXPECT_EQ(s.omote(0), QStringLiteral("御歳暮"));
}

TEST_F(DataFileTest, AFailedWriteLeavesTheOldFile)
{
    LiveStore s;
    s.addSize(size(QStringLiteral("Ａ４判　　　　"), QStringLiteral("Ａ４")));
    ASSERT_TRUE(WriteDataFile(s, path()).ok);
    const QByteArray before = fileBytes(path());

    // A character the file's code page cannot hold (the store's operations
    // refuse it; the writer still checks what it is given).
    RegisteredSize bad = s.size(0);
    bad.RegSizeName[1] = QStringLiteral("箱😀");
    s.restoreTables({bad}, {});
    DataFileResult r = WriteDataFile(s, path());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.problem.contains(QStringLiteral("箱😀")));
    EXPECT_EQ(fileBytes(path()), before);

    // A folder that cannot be made.
    bad.RegSizeName[1] = QStringLiteral("箱");
    s.restoreTables({bad}, {});
    writeFileBytes(dir.filePath(QStringLiteral("plain")), "x");
    r = WriteDataFile(s, dir.filePath(QStringLiteral("plain/NoshiData4.log")));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.problem.isEmpty());
}
