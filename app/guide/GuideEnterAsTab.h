// Enter acts as Tab in the guide window: the window sees the key before its
// controls and posts a Tab to itself, so the focus moves on along the tab
// order once the key has been swallowed. Enter on a button still presses it.
#pragma once

#include <QObject>

class QWidget;

namespace guide {

class GuideEnterAsTab : public QObject {
public:
    // Watches the window and every widget inside it at the time of the call.
    static void install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit GuideEnterAsTab(QWidget* window);
    QWidget* m_window;
};

} // namespace guide
