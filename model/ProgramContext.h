// Everything one run of the program shares: the live store, the template
// catalogue, the main window's hooks and the lower layers' run state (the
// printer driver and current printer, the settings cache …). `runProgram`
// builds one and installs it; the test main installs a fresh one for every
// test so that no state leaks from one test into the next. `store()`,
// `catalogue()` and `hooks()` read the installed context.
#pragma once

#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "model/TemplateCatalogue.h"
#include "platform/run/Installed.h"
#include "platform/run/RunState.h"

namespace app {

struct ProgramContext {
    // First, so that it goes last: what the other members reach stays.
    run::RunState platform;
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
    explicit ScopedProgramContext(ProgramContext& context) : platformScope_(context.platform), scope_(context) {}

private:
    // In this order: the context goes back before its run state does.
    run::ScopedRunState platformScope_;
    run::Installed<ProgramContext>::Scope scope_;
};

} // namespace app
