// Test seam of writeFileSafely: a hook asked before each step of a save,
// which can make that step fail with an error number as the system would.
#pragma once

#include <functional>

namespace files::faults {

enum class Step {
    Create, // the temporary file is created
    Write,  // a block of the bytes is written
    Sync,   // the temporary file is synced to the disk
    Close,  // the file is closed (network file systems report write errors here)
    Rename, // the temporary file replaces the old one
};

// Returns 0 to let the step run, or the errno value it should fail with.
using Hook = std::function<int(Step)>;

// Installs the hook (an empty one removes it). Not for use outside tests.
void setHook(Hook hook);

} // namespace files::faults
