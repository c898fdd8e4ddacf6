#include "platform/forms/SubWindowParts.h"

#include <QPainter>
#include <QPainterPath>

#include <QMouseEvent>
#include <QPushButton>

namespace app {

namespace {
const char* const ImeProperty = "noshiImeMode";
}

void setImeMode(QWidget* box, ImeMode mode)
{
    box->setProperty(ImeProperty, int(mode));
    // The closest the toolkit offers: rank and copies boxes ask for plain digits.
    if (mode == ImeMode::Off)
        box->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhLatinOnly);
    else if (mode == ImeMode::Hiragana)
        box->setInputMethodHints(Qt::ImhNone);
}

ImeMode imeMode(const QWidget* box)
{
    const QVariant v = box->property(ImeProperty);
    return v.isValid() ? ImeMode(v.toInt()) : ImeMode::Unchanged;
}

QPixmap magnifierPixmap()
{
    QPixmap pm(16, 15);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x20, 0x60), 1.6));
    p.setBrush(QColor(0xd0, 0xe8, 0xff));
    p.drawEllipse(QRectF(1.5, 1.5, 8.5, 8.5));
    p.setPen(QPen(QColor(0x60, 0x40, 0x20), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.0), QPointF(14.0, 13.5));
    return pm;
}

QPixmap lightBulbPixmap()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Glass: a yellow globe narrowing to the neck.
    QPainterPath glass;
    glass.addEllipse(QRectF(7, 2, 18, 18));
    QPainterPath neck;
    neck.moveTo(10.5, 16);
    neck.lineTo(21.5, 16);
    neck.lineTo(19.5, 23);
    neck.lineTo(12.5, 23);
    neck.closeSubpath();
    glass = glass.united(neck);
    QRadialGradient shine(QPointF(13, 8), 14);
    shine.setColorAt(0, QColor(0xff, 0xff, 0xe0));
    shine.setColorAt(1, QColor(0xff, 0xd8, 0x30));
    p.setPen(QPen(QColor(0x90, 0x70, 0x10), 1.2));
    p.setBrush(shine);
    p.drawPath(glass);
    // Filament.
    p.setPen(QPen(QColor(0xb0, 0x60, 0x00), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(13, 16), QPointF(14.5, 11), QPointF(16, 14), QPointF(17.5, 11), QPointF(19, 16)}));
    // Screw base.
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.0));
    p.setBrush(QColor(0xb8, 0xb8, 0xb8));
    p.drawRoundedRect(QRectF(12, 23, 8, 5), 1, 1);
    p.drawLine(QPointF(12, 25.5), QPointF(20, 25.5));
    p.setBrush(QColor(0x50, 0x50, 0x50));
    p.drawEllipse(QRectF(14.5, 28, 3, 2.5));
    return pm;
}

MagnifierButton::MagnifierButton(QWidget* parent, std::function<void()> onClick)
    : QLabel(parent), onClick_(std::move(onClick))
{
    setPixmap(magnifierPixmap());
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void MagnifierButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        click();
}

OkCancel makeOkCancel(QWidget* parent, int left, int top, int width, int height)
{
    OkCancel b;
    b.ok = placeTwips(new QPushButton(QStringLiteral("OK"), parent), left, top, width, height);
    b.cancel = placeTwips(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), parent), left, top + height + 120, width,
                          height);
    b.ok->setDefault(true);
    return b;
}

} // namespace app
