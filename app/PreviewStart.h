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
// at sizes of their own, so their column is the chosen sheet's box (its wrap
// length on paper) at the ratio of the sketch's text size to the paper's:
// the typed inscription or one-line name parts into as many columns as on
// paper. With no registered sheet under the chosen name: half the sketched
// template's height.
double previewColumnMm(const NoshiMain& m, bool nameBox);

} // namespace app
