// Everything one run of the program shares: the live store, the template
// catalogue and the main window's hooks. `runProgram` builds one and installs
// it; a test installs a fresh one of its own so that no state leaks from one
// test into the next. `store()`, `catalogue()` and `hooks()` read the
// installed context.
#pragma once

#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "model/TemplateCatalogue.h"

namespace app {

struct ProgramContext {
    LiveStore store;
    BuiltinTemplateCatalogue catalogue;
    MainHooks hooks;
};

// The installed context; a default one when none is installed.
ProgramContext& programContext();

// Installs `context` for as long as this object lives, then puts back the
// one that was installed before.
class ScopedProgramContext {
public:
    explicit ScopedProgramContext(ProgramContext& context);
    ~ScopedProgramContext();
    ScopedProgramContext(const ScopedProgramContext&) = delete;
    ScopedProgramContext& operator=(const ScopedProgramContext&) = delete;

private:
    ProgramContext* previous_;
};

} // namespace app
