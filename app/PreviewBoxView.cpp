#include "app/PreviewBoxView.h"

#include "platform/richtext/Render.h"
#include "platform/richtext/RichTextBox.h"

#include <QPainter>

namespace app {

PreviewBoxView::PreviewBoxView(rt::RichTextBox* box, QWidget* parent) : QWidget(parent), box_(box)
{
    connect(box_, &rt::RichTextBox::changed, this, qOverload<>(&QWidget::update));
}

void PreviewBoxView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    rt::render(*box_, p, QRectF(rect()), logicalDpiX() / 25.4);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace app
