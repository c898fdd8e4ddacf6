#include "platform/print/BoxPainter.h"

#include "platform/richtext/Render.h"

namespace prn {

void paintBox(QPainter& painter, const rt::RichTextBox& box, const QRectF& targetPx, int dpi)
{
    rt::render(box, painter, targetPx, dpi / 25.4);
}

} // namespace prn
