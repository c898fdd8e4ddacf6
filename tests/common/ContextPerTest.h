// Gives every test a program context of its own: made before the test's
// fixture, dropped after it is gone. The test main installs one.
#pragma once

#include "common/FreshContext.h"

#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

class ContextPerTest : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override { context_ = std::make_unique<FreshContext>(); }
    void OnTestEnd(const ::testing::TestInfo&) override { context_.reset(); }

private:
    // Held by pointer: GCC 12 misreads a scope inside std::optional as unset.
    std::unique_ptr<FreshContext> context_;
};

} // namespace testing_support
