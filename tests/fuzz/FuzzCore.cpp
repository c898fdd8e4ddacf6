#include "FuzzSupport.h"

bool fuzzNeedsGui() { return false; }
