// Draws one rich-text box onto a print device: the box's picture, laid out
// in its own width and height, with its top-left corner at the target's
// top-left, at the device's resolution. The caller clips to the target.
#pragma once

#include <QRectF>

class QPainter;
namespace rt {
class RichTextBox;
}

namespace prn {

void paintBox(QPainter& painter, const rt::RichTextBox& box, const QRectF& targetPx, int dpi);

} // namespace prn
