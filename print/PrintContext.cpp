#include "print/PrintContext.h"

namespace noshi {

PrintContext& printContext() { return run::Installed<PrintContext>::current(); }

} // namespace noshi
