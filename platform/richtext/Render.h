// Drawing a laid-out box onto any paint device: screen, image, PDF or
// printer. The box's top-left corner goes to the target's top-left corner and
// nothing is drawn outside the target. Text is drawn as glyph runs, so PDF
// output carries real text.
#pragma once

#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/TextLayout.h"

#include <QPainter>
#include <QRectF>

namespace rt {

// With an exposed rectangle (in the units of the target), only the lines
// that reach into it are drawn: a screen repaints a small part of a long page.
void render(const RichTextBox& box, QPainter& painter, const QRectF& targetRectInDeviceUnits,
            double deviceDotsPerMm);
void render(const TextLayout& layout, QPainter& painter, const QRectF& targetRectInDeviceUnits,
            double deviceDotsPerMm, const QRectF& exposedInDeviceUnits = QRectF());

} // namespace rt
