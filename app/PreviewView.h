// The on-screen face of a preview box (the main window's two previews, the
// inscription extension's sketch): the editing widget, read-only, so the
// preview is drawn exactly as the page is printed.
#pragma once

class QWidget;

namespace rt {
class RichTextBox;
class RichTextEdit;
} // namespace rt

namespace app {

// The view shows the whole box at the window design's scale (15 twips to
// the pixel, as the design places its controls), inside a thin grey border
// drawn just outside the box's place in the design (twips from the parent's
// corner).
rt::RichTextEdit* previewView(rt::RichTextBox* box, QWidget* parent, int left, int top, int width, int height);

} // namespace app
