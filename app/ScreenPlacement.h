// Where a top-level window opens so that its title bar can be seen and
// grabbed, whatever position was stored for it (a screen that is gone, a
// position a window manager reported above the screen's top).
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace app {

// `corner` when the window's title bar (its top strip, grabbable over a
// part of its width) lies on one of `screens` (their available areas);
// otherwise the corner moved onto the screen nearest to it, the title bar
// inside and as much of the window's width as fits.
QPoint cornerOnScreen(QPoint corner, QSize size, const QList<QRect>& screens);

// The same with the available areas of the screens present now.
QPoint cornerOnScreen(QPoint corner, QSize size);

} // namespace app
