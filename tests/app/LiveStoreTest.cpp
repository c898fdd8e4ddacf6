#include "model/LiveStore.h"

#include <functional>
#include <gtest/gtest.h>

using namespace app;

namespace {

// A size whose every field tells its origin: offsets 10*tag + style.
RegisteredSize tagged(int tag)
{
    RegisteredSize z = RegisteredSize::make(QStringLiteral("ＮＯ%1　　　　").arg(tag).left(7),
                                            QStringLiteral("S%1").arg(tag), 100 + tag, 200 + tag);
    for (int st = 0; st < NameStyleCount; ++st) {
        z.RegOffsetX[size_t(st)] = 10 * tag + st;
        z.RegOffsetOmote[size_t(st)] = -(10 * tag + st);
        z.RegOffsetName[size_t(st)] = 1000 + 10 * tag + st;
    }
    return z;
}

} // namespace

TEST(LiveStore, TablesStopAtTheirCapacityWithAMessageAndNothingWrittenPastThem)
{
    LiveStore s;
    for (int i = 0; i < LiveStore::RegSizeCapacity; ++i)
        ASSERT_TRUE(s.addSize(RegisteredSize::make(QStringLiteral("Ａ４判　　　　"), QString::number(i), 0, 0)));
    const StoreResult sizeFull = s.addSize(RegisteredSize::make(QStringLiteral("Ａ４判　　　　"), QStringLiteral("x"), 0, 0));
    EXPECT_FALSE(sizeFull.ok);
    EXPECT_EQ(sizeFull.message, QStringLiteral("登録できるのし紙サイズは101件までです。"));
    EXPECT_EQ(s.RegSizeCount(), 101);
    EXPECT_EQ(s.sizeNames().last(), QStringLiteral("100"));

    for (int i = 0; i < LiveStore::OmoteCapacity; ++i)
        ASSERT_TRUE(s.addOmote(QString::number(i)));
    const StoreResult omoteFull = s.addOmote(QStringLiteral("x"));
    EXPECT_FALSE(omoteFull.ok);
    EXPECT_EQ(omoteFull.message, QStringLiteral("登録できる表書きは201件までです。"));
    EXPECT_EQ(s.OmoteCount(), 201);
    EXPECT_EQ(s.OmoteList().size(), 201);
    EXPECT_EQ(s.omote(200), QStringLiteral("200"));

    // Room again after a deletion; the entries close up in order.
    ASSERT_TRUE(s.deleteOmote(0));
    EXPECT_EQ(s.omote(0), QStringLiteral("1"));
    EXPECT_EQ(s.OmoteCount(), 200);
    EXPECT_TRUE(s.addOmote(QStringLiteral("x")));
    EXPECT_EQ(s.omote(200), QStringLiteral("x"));
}

TEST(LiveStore, DeletingARowMovesEveryFieldOfTheLaterRowsUp)
{
    LiveStore s;
    for (int tag = 1; tag <= 3; ++tag)
        ASSERT_TRUE(s.addSize(tagged(tag)));

    ASSERT_TRUE(s.deleteSize(1));
    EXPECT_EQ(s.RegSizeCount(), 2);
    EXPECT_EQ(s.size(0), tagged(1));
    EXPECT_EQ(s.size(1), tagged(3));
    EXPECT_EQ(s.sizeNames(), QStringList({QStringLiteral("S1"), QStringLiteral("S3")}));
    // The vacated row reads empty and is no longer valid.
    EXPECT_EQ(s.size(2), RegisteredSize{});

    ASSERT_TRUE(s.deleteSize(1)); // the last row: only the count drops
    ASSERT_TRUE(s.deleteSize(0)); // the only row
    EXPECT_EQ(s.RegSizeCount(), 0);
    EXPECT_TRUE(s.sizeNames().isEmpty());

    for (int row : {-1, 0, 101})
        EXPECT_FALSE(s.deleteSize(row).ok) << row;
    EXPECT_FALSE(s.deleteOmote(0).ok);
}

TEST(LiveStore, UpdateAndOffsetsChangeOnlyTheirFields)
{
    LiveStore s;
    ASSERT_TRUE(s.addSize(tagged(1)));
    ASSERT_TRUE(s.addSize(tagged(2)));

    ASSERT_TRUE(s.updateSize(0, QStringLiteral("新しい名前"), 60, 0));
    RegisteredSize want = tagged(1);
    want.RegSizeName.fill(QStringLiteral("新しい名前"));
    want.RegSizeWidth = 60;
    want.RegSizeHeight = 0;
    EXPECT_EQ(s.size(0), want);

    ASSERT_TRUE(s.setOffsets(1, 2, -7, 8, -32768));
    RegisteredSize want2 = tagged(2);
    want2.RegOffsetX[2] = -7;
    want2.RegOffsetOmote[2] = 8;
    want2.RegOffsetName[2] = -32768;
    EXPECT_EQ(s.size(1), want2);

    // Values a 16-bit field cannot hold, a row or style that does not exist.
    EXPECT_FALSE(s.setOffsets(1, 0, 32768, 0, 0).ok);
    EXPECT_FALSE(s.setOffsets(1, 3, 0, 0, 0).ok);
    EXPECT_FALSE(s.setOffsets(2, 0, 0, 0, 0).ok);
    EXPECT_FALSE(s.updateSize(0, QStringLiteral("x"), 0, -40000).ok);
    EXPECT_EQ(s.size(0), want);
    EXPECT_EQ(s.size(1), want2);
}

TEST(LiveStore, TextTheDataFileCannotHoldIsRefusedNamingTheCharacter)
{
    struct Case {
        QString text;
        QString named; // empty: accepted
    };
    const Case cases[] = {
        {QStringLiteral("御中元"), {}},
        {QStringLiteral("①㈱髙"), {}},                         // the code page's own extensions
        {QStringLiteral("波〜線"), {}},                          // typed JIS form of a mark it holds
        {QStringLiteral("箱😀"), QStringLiteral("「😀」")},      // outside the code page, a surrogate pair
        {QStringLiteral("Café"), QStringLiteral("「é」")},
        {QStringLiteral("二\n行"), QStringLiteral("改行")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        LiveStore s;
        const StoreResult omote = s.addOmote(c.text);
        const StoreResult size = s.addSize(RegisteredSize::make(QStringLiteral("Ａ４判　　　　"), c.text, 0, 0));
        EXPECT_EQ(omote.ok, c.named.isEmpty());
        EXPECT_EQ(size.ok, c.named.isEmpty());
        if (!c.named.isEmpty()) {
            EXPECT_TRUE(omote.message.contains(c.named)) << omote.message.toStdString();
            EXPECT_TRUE(size.message.contains(c.named)) << size.message.toStdString();
            EXPECT_EQ(s.OmoteCount(), 0);
            EXPECT_EQ(s.RegSizeCount(), 0);
            EXPECT_FALSE(s.isDirty());
        }

        LiveStore u;
        ASSERT_TRUE(u.addSize(tagged(1)));
        EXPECT_EQ(u.updateSize(0, c.text, 1, 1).ok, c.named.isEmpty());
    }
}

TEST(LiveStore, EveryOperationThatChangesTheTablesMarksTheStoreAndRefusalsDoNot)
{
    using Op = std::function<StoreResult(LiveStore&)>;
    const std::pair<const char*, Op> changes[] = {
        {"add size", [](LiveStore& s) { return s.addSize(tagged(9)); }},
        {"delete size", [](LiveStore& s) { return s.deleteSize(0); }},
        {"update size", [](LiveStore& s) { return s.updateSize(0, QStringLiteral("n"), 1, 2); }},
        {"offsets", [](LiveStore& s) { return s.setOffsets(0, 1, 1, 2, 3); }},
        {"add inscription", [](LiveStore& s) { return s.addOmote(QStringLiteral("寿")); }},
        {"delete inscription", [](LiveStore& s) { return s.deleteOmote(0); }},
    };
    for (const auto& [what, op] : changes) {
        SCOPED_TRACE(what);
        LiveStore s;
        s.restoreTables({tagged(1)}, {QStringLiteral("御礼")});
        EXPECT_FALSE(s.isDirty()) << "what the file held is not a change";
        s.setLoadedDamaged(true);
        EXPECT_FALSE(s.mayWriteDataFile());
        ASSERT_TRUE(op(s));
        EXPECT_TRUE(s.isDirty());
        EXPECT_EQ(s.mayWriteDataFile(), s.RegSizeCount() > 0);
    }
    LiveStore s;
    EXPECT_FALSE(s.deleteSize(0));
    EXPECT_FALSE(s.setOffsets(0, 0, 0, 0, 0));
    EXPECT_FALSE(s.isDirty());
}
