// The editor window draws whole: nothing of the page shows outside the
// canvas between the scroll bars, neither in the strip between the
// horizontal scroll bar and the status bar nor beside the vertical bar.
#include "preview/PreviewSupport.h"

#include <QScrollBar>
#include <QStatusBar>

using preview::frmNoshiPreView;

TEST_F(PreviewTest, NothingOfThePageShowsBesideTheScrollBars)
{
    frmNoshiPreView& p = openLargeNoshi();
    QApplication::processEvents();
    const auto inWindow = [&](QWidget* w) { return QRect(w->mapTo(&p, QPoint(0, 0)), w->size()); };
    const QRect canvas = inWindow(p.Picture1), hBar = inWindow(p.HScroll1), vBar = inWindow(p.VScroll1),
                status = inWindow(p.StatusBar1);
    EXPECT_LE(canvas.bottom(), hBar.top());
    EXPECT_LE(canvas.right(), vBar.left());

    // The page is white; the window around the canvas is not.
    const QImage shot = p.grab().toImage();
    int white = 0;
    for (int y = hBar.bottom() + 1; y < status.top(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            white += shot.pixel(x, y) == qRgb(255, 255, 255);
    for (int y = vBar.top(); y <= vBar.bottom(); ++y)
        for (int x = vBar.right() + 1; x < shot.width(); ++x)
            white += shot.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_EQ(white, 0) << "page pixels beside the scroll bars";
}
