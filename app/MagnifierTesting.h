// For tests only: look at the magnifier window instead of waiting on it.
#pragma once

#include <functional>

namespace app {

class frmTip;

// Called with the window in place of showing it modal; an empty function
// restores the modal showing.
void setMagnifierShowHookForTests(std::function<void(frmTip*)> hook);

} // namespace app
