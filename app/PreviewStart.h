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

// How long a column of the previews is, in millimetres. They sketch the page
// at half its point sizes, so a column half as long as the chosen sheet's box
// (its wrap length on paper) wraps a long name or inscription where the paper
// does, instead of running on out of sight. With no registered sheet under
// the chosen name: half the sketched template's height.
double previewColumnMm(const NoshiMain& m, bool nameBox);

} // namespace app
