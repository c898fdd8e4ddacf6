#include "FuzzSupport.h"

bool fuzzNeedsGui() { return true; }
