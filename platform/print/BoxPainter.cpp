#include "platform/print/BoxPainter.h"

#include "platform/richtext/RichTextBox.h"

#include <QPainter>

namespace prn {

void paintBox(QPainter& painter, const rt::RichTextBox& box, const QRectF& targetPx, int dpi)
{
    // Placeholder until the rich-text renderer is in: nothing is drawn.
    (void)painter;
    (void)box;
    (void)targetPx;
    (void)dpi;
}

} // namespace prn
