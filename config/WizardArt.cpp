#include "config/WizardArt.h"

#include <QPainter>
#include <QPainterPath>

namespace config {

namespace {

const QColor Red(200, 30, 40);
const QColor Gold(200, 160, 40);
const QColor Ink(70, 70, 70);

// One loop of a bow: a teardrop from the centre outwards.
QPainterPath loop(QPointF centre, double dx, double height)
{
    QPainterPath p(centre);
    p.cubicTo(centre + QPointF(dx * 0.5, -height), centre + QPointF(dx * 1.1, -height * 0.6), centre + QPointF(dx, 0));
    p.cubicTo(centre + QPointF(dx * 1.1, height * 0.6), centre + QPointF(dx * 0.5, height), centre);
    return p;
}

// The bow knot of the cords: two loops, two tails on each side.
void drawBow(QPainter& p, QPointF c, double span, double cordWidth)
{
    const double h = span * 0.28;
    for (int i = 0; i < 5; ++i) {
        const double off = (i - 2) * cordWidth * 0.9;
        p.setPen(QPen(i % 2 ? Gold : Red, cordWidth * 0.7, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(loop(c + QPointF(0, off * 0.4), -span * 0.42 - off, h + off * 0.3));
        p.drawPath(loop(c + QPointF(0, off * 0.4), span * 0.42 + off, h + off * 0.3));
        p.drawLine(c + QPointF(0, off * 0.4), c + QPointF(-span * 0.35 - off, span * 0.55));
        p.drawLine(c + QPointF(0, off * 0.4), c + QPointF(span * 0.35 + off, span * 0.55));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Red.darker(120));
    p.drawEllipse(c, cordWidth * 2.2, cordWidth * 2.6);
}

} // namespace

WizardPicture::WizardPicture(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind)
{
    setMinimumSize(kind == Kind::Sheet ? QSize(120, 180) : QSize(120, 90));
}

QSize WizardPicture::sizeHint() const { return kind_ == Kind::Sheet ? QSize(150, 240) : QSize(150, 110); }

void WizardPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(6, 6, -6, -6);
    if (kind_ == Kind::Sheet)
        paintSheet(p, area);
    else
        paintKnot(p, area);
}

void WizardPicture::paintSheet(QPainter& p, const QRectF& area) const
{
    // A portrait sheet standing in the area, with a soft shadow.
    double w = area.width(), h = w * 1.5;
    if (h > area.height()) {
        h = area.height();
        w = h / 1.5;
    }
    const QRectF sheet(area.center().x() - w / 2, area.center().y() - h / 2, w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(sheet.translated(4, 4));
    p.setBrush(QColor(252, 250, 244));
    p.setPen(QPen(QColor(180, 180, 180), 1));
    p.drawRect(sheet);

    // The cords across the middle and their knot.
    const double cy = sheet.top() + h * 0.45;
    const double cord = std::max(1.5, w / 60);
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(i % 2 ? Gold : Red, cord * 0.8));
        const double y = cy + (i - 2) * cord;
        p.drawLine(QPointF(sheet.left() + 1, y), QPointF(sheet.right() - 1, y));
    }
    drawBow(p, QPointF(sheet.center().x(), cy), w * 0.5, cord);

    // The noshi ornament at the upper right: a folded red and white lozenge.
    const QPointF o(sheet.right() - w * 0.16, sheet.top() + h * 0.1);
    QPainterPath outer;
    outer.moveTo(o + QPointF(0, -h * 0.06));
    outer.lineTo(o + QPointF(w * 0.06, 0));
    outer.lineTo(o + QPointF(0, h * 0.08));
    outer.lineTo(o + QPointF(-w * 0.06, 0));
    outer.closeSubpath();
    p.setPen(QPen(Ink, 1));
    p.setBrush(Red);
    p.drawPath(outer);
    p.setBrush(QColor(250, 230, 120));
    p.drawRect(QRectF(o.x() - w * 0.012, o.y() - h * 0.03, w * 0.024, h * 0.07));

    // The inscription above the cords and the name below, as brush strokes.
    p.setPen(QPen(Ink, std::max(2.0, w / 22), Qt::SolidLine, Qt::RoundCap));
    const double x = sheet.center().x();
    for (int i = 0; i < 3; ++i) {
        const double y = sheet.top() + h * (0.1 + i * 0.09);
        p.drawLine(QPointF(x - w * 0.05, y), QPointF(x + w * 0.05, y + h * 0.02));
    }
    for (int i = 0; i < 4; ++i) {
        const double y = cy + h * (0.18 + i * 0.07);
        p.drawLine(QPointF(x - w * 0.035, y), QPointF(x + w * 0.035, y + h * 0.015));
    }
}

void WizardPicture::paintKnot(QPainter& p, const QRectF& area) const
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 250, 244));
    p.drawRoundedRect(area, 6, 6);
    const double cord = std::max(2.0, area.height() / 22);
    const double cy = area.center().y() - area.height() * 0.1;
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(i % 2 ? Gold : Red, cord * 0.8));
        const double y = cy + (i - 2) * cord;
        p.drawLine(QPointF(area.left() + 2, y), QPointF(area.right() - 2, y));
    }
    drawBow(p, QPointF(area.center().x(), cy), std::min(area.width(), area.height() * 1.4) * 0.7, cord);
}

} // namespace config
