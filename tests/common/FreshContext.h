// A test's own program context: a new store, catalogue and set of hooks,
// installed while the fixture lives; the previous context comes back after.
#pragma once

#include "model/ProgramContext.h"

namespace testing_support {

class FreshContext {
public:
    FreshContext() : scope_(context_) {}
    app::ProgramContext& context() { return context_; }

private:
    app::ProgramContext context_;
    app::ScopedProgramContext scope_;
};

} // namespace testing_support
