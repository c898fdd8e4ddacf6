#include "app/PreviewView.h"

#include "platform/forms/Controls.h"
#include "platform/richtext/RichTextEdit.h"

#include <QPalette>

namespace app {

namespace {
constexpr double DesignDpi = 96.0; // the design's 15 twips to the pixel
const QColor BorderGrey(0x80, 0x80, 0x80);
} // namespace

rt::RichTextEdit* previewView(rt::RichTextBox* box, QWidget* parent, int left, int top, int width, int height)
{
    auto* view = new rt::RichTextEdit(box, parent);
    view->setReadOnly(true);
    // A preview is looked at, not typed into: it takes no turn in the tab order.
    view->setFocusPolicy(Qt::NoFocus);
    view->setFrameStyle(QFrame::Box | QFrame::Plain);
    view->setLineWidth(1);
    QPalette pal = view->palette();
    pal.setColor(QPalette::WindowText, BorderGrey);
    view->setPalette(pal);
    // The box's millimetres follow the design's pixels on any screen, so the
    // whole box shows and no scroll bar is needed.
    view->setZoom(DesignDpi / view->logicalDpiX());
    const int f = view->frameWidth();
    const QRect area(forms::twipsToPx(left), forms::twipsToPx(top), forms::twipsToPx(width), forms::twipsToPx(height));
    view->setGeometry(area.adjusted(-f, -f, f, f));
    return view;
}

} // namespace app
