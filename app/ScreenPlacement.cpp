#include "app/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace app {

namespace {

constexpr int TitleHeight = 30; // px of the frame's top kept on the screen
constexpr int Grip = 100;       // px of the title bar's width kept on the screen

bool titleBarOn(QPoint corner, QSize size, const QRect& screen)
{
    return corner.y() >= screen.top() && corner.y() + TitleHeight <= screen.bottom() + 1
           && corner.x() <= screen.right() + 1 - Grip && corner.x() + size.width() >= screen.left() + Grip;
}

long long distanceSquared(QPoint p, const QRect& r)
{
    const long long dx = p.x() < r.left() ? r.left() - p.x() : p.x() > r.right() ? p.x() - r.right() : 0;
    const long long dy = p.y() < r.top() ? r.top() - p.y() : p.y() > r.bottom() ? p.y() - r.bottom() : 0;
    return dx * dx + dy * dy;
}

} // namespace

QPoint cornerOnScreen(QPoint corner, QSize size, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return corner;
    for (const QRect& s : screens) {
        if (titleBarOn(corner, size, s))
            return corner;
    }
    const QRect* nearest = &screens.front();
    long long best = std::numeric_limits<long long>::max();
    for (const QRect& s : screens) {
        const long long d = distanceSquared(corner, s);
        if (d < best) {
            best = d;
            nearest = &s;
        }
    }
    const QRect& s = *nearest;
    const int x = std::clamp(corner.x(), s.left(), std::max(s.left(), s.right() + 1 - size.width()));
    const int y = std::clamp(corner.y(), s.top(), std::max(s.top(), s.bottom() + 1 - TitleHeight));
    return {x, y};
}

QPoint cornerOnScreen(QPoint corner, QSize size)
{
    QList<QRect> areas;
    for (const QScreen* s : QGuiApplication::screens())
        areas << s->availableGeometry();
    return cornerOnScreen(corner, size, areas);
}

} // namespace app
