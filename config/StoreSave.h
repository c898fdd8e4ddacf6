// A confirmed change of the registered sizes or inscriptions goes to the
// data file at once, in the form the exit writes, so that a crash or a
// killed session loses nothing.
#pragma once

namespace config {

// Writes the program-wide store to its data file; a failure is shown to the
// user (the old file stays) and gives false.
bool SaveStoreNow();

} // namespace config
