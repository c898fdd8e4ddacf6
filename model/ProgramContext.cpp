#include "model/ProgramContext.h"

namespace app {

namespace {
ProgramContext*& installed()
{
    static ProgramContext* current = nullptr;
    return current;
}
} // namespace

ProgramContext& programContext()
{
    if (ProgramContext* c = installed())
        return *c;
    // Code that runs outside any run or test (a tool, a static) still gets
    // a context; it lives until the process ends.
    static ProgramContext fallback;
    return fallback;
}

ScopedProgramContext::ScopedProgramContext(ProgramContext& context)
    : previous_(installed()), platformScope_(context.platform)
{
    installed() = &context;
}

ScopedProgramContext::~ScopedProgramContext() { installed() = previous_; }

LiveStore& store() { return programContext().store; }
BuiltinTemplateCatalogue& catalogue() { return programContext().catalogue; }
MainHooks& hooks() { return programContext().hooks; }

} // namespace app
