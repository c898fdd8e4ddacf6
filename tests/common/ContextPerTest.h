// Gives every test a program context of its own: made before the test's
// fixture, dropped after it is gone. The test main installs one.
#pragma once

#include "common/FreshContext.h"

#include <gtest/gtest.h>
#include <optional>

namespace testing_support {

class ContextPerTest : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override { context_.emplace(); }
    void OnTestEnd(const ::testing::TestInfo&) override { context_.reset(); }

private:
    std::optional<FreshContext> context_;
};

} // namespace testing_support
