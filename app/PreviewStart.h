// The first steps both main-window previews take before they sketch.
#pragma once

namespace app {

class NoshiMain;
struct PreviewFields;

// The calendar gives way to the previews and the information panel behind
// them is emptied; thin ink sets the text colour. False when no size is
// chosen: then there is nothing to sketch and nothing is touched but the
// calendar.
bool beginPreview(NoshiMain& m, PreviewFields& f);

} // namespace app
