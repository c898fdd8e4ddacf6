// The inscription guide, opened from the main window's help menu: a pick
// writes the main window's inscription box, OK moves on to the name box,
// Cancel empties the inscription box and goes back to it.
#pragma once

namespace guide {
struct GuideHost;
}

namespace app {

class NoshiMain;

// What the guide does to the main window.
guide::GuideHost guideHostFor(NoshiMain& main);
// Sets the main window's hook that shows the guide (modeless, without an
// owner, so that it stays open after the main window has closed).
void installGuide(NoshiMain& main);

} // namespace app
