#include "model/ProgramContext.h"

namespace app {

// Code that runs outside any run or test (a tool, a static) still gets a
// context; it lives until the process ends.
ProgramContext& programContext() { return run::Installed<ProgramContext>::current(); }

LiveStore& store() { return programContext().store; }
BuiltinTemplateCatalogue& catalogue() { return programContext().catalogue; }
MainHooks& hooks() { return programContext().hooks; }

} // namespace app
