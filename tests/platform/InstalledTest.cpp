// An installed object serves while its scope lives; nested scopes put back
// the one before them, and with none installed the same fallback serves.
#include "platform/run/Installed.h"

#include <gtest/gtest.h>

namespace {
struct Thing {
    int id = 0;
};
using Things = run::Installed<Thing>;
} // namespace

TEST(Installed, NestedScopesPutBackTheOneBeforeThem)
{
    Thing& fallback = Things::current();
    EXPECT_EQ(&Things::current(), &fallback);
    Thing outer, inner;
    {
        Things::Scope useOuter(outer);
        EXPECT_EQ(&Things::current(), &outer);
        {
            Things::Scope useInner(inner);
            EXPECT_EQ(&Things::current(), &inner);
        }
        EXPECT_EQ(&Things::current(), &outer);
    }
    EXPECT_EQ(&Things::current(), &fallback);
}
