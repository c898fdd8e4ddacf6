#include "common/FreshContext.h"

#include <gtest/gtest.h>

using namespace app;

TEST(ProgramContext, EachFreshContextStartsWithAnEmptyStoreAndTheOldOneComesBack)
{
    LiveStore* outer = &store();
    {
        testing_support::FreshContext first;
        EXPECT_EQ(&store(), &first.context().store);
        ASSERT_TRUE(store().addSize(RegisteredSize::make(QStringLiteral("Ａ４判　　　　"), QStringLiteral("店の箱"), 0, 0)));
        EXPECT_EQ(store().RegSizeCount(), 1);
        EXPECT_TRUE(store().isDirty());
        hooks().showHagaki = [] {};
    }
    EXPECT_EQ(&store(), outer);
    {
        testing_support::FreshContext second;
        EXPECT_EQ(store().RegSizeCount(), 0);
        EXPECT_EQ(store().findSizeExact(QStringLiteral("店の箱")), -1);
        EXPECT_FALSE(store().isDirty());
        EXPECT_FALSE(hooks().showHagaki);
        EXPECT_FALSE(catalogue().isBuilt());
    }
    EXPECT_EQ(&store(), outer);
}
