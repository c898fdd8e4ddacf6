#include "platform/sysinfo/SysInfo.h"

#include <gtest/gtest.h>

TEST(SysInfo, ReportsTheFamilyTheLayoutsWereTunedFor)
{
    EXPECT_EQ(sysinfo::OsType(), QStringLiteral("NT/XP"));
    EXPECT_GE(sysinfo::MajorVersion(), 5);
    EXPECT_EQ(sysinfo::VersionText(), QStringLiteral("10.0"));
    EXPECT_TRUE(sysinfo::VersionAboveFour());
    EXPECT_DOUBLE_EQ(sysinfo::FixedSpaceExtent, 1.587502);
    EXPECT_FALSE(sysinfo::SystemName().isEmpty());
    EXPECT_FALSE(sysinfo::KernelText().trimmed().isEmpty());
}
