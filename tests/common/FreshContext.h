// A test's own program and print contexts: a new store, catalogue and set of
// hooks, new printers and print state, installed while the fixture lives;
// the previous contexts come back after.
#pragma once

#include "model/ProgramContext.h"
#include "print/PrintContext.h"

namespace testing_support {

class FreshContext {
public:
    FreshContext() : scope_(context_), printScope_(printing_) {}
    app::ProgramContext& context() { return context_; }
    noshi::PrintContext& printing() { return printing_; }

private:
    app::ProgramContext context_;
    app::ScopedProgramContext scope_;
    noshi::PrintContext printing_;
    noshi::ScopedPrintContext printScope_;
};

} // namespace testing_support
