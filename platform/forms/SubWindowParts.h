// Building blocks the input sub-windows share: placement in twips, the
// small magnifier buttons, the input-method note of a box and the OK and
// Cancel pair.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <functional>

class QLineEdit;
class QPushButton;
class QWidget;

namespace app {

// Positions of the windows' designs are twips from the container's corner.
template <typename W>
W* placeTwips(W* w, int left, int top, int width, int height);

// What a box asks of the Japanese input method when it takes the focus.
enum class ImeMode { Hiragana, Off, Unchanged };
void setImeMode(QWidget* box, ImeMode mode);
ImeMode imeMode(const QWidget* box);

// The 16 x 15 magnifying glass of the magnifier buttons, drawn (no font
// needs to have a picture character for it).
QPixmap magnifierPixmap();
// The 32 x 32 light bulb of the magnifier window's hint.
QPixmap lightBulbPixmap();

// A small picture button that opens the magnifier; it takes no focus.
class MagnifierButton : public QLabel {
    Q_OBJECT
public:
    MagnifierButton(QWidget* parent, std::function<void()> onClick);
    void click() { if (onClick_) onClick_(); }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    std::function<void()> onClick_;
};

// "OK" and "ｷｬﾝｾﾙ"; Escape presses the second.
struct OkCancel {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};
OkCancel makeOkCancel(QWidget* parent, int left, int top, int width = 1215, int height = 375);

} // namespace app

#include "platform/forms/Controls.h"

template <typename W>
W* app::placeTwips(W* w, int left, int top, int width, int height)
{
    w->setGeometry(forms::twipsToPx(left), forms::twipsToPx(top), forms::twipsToPx(width),
                   forms::twipsToPx(height));
    return w;
}
