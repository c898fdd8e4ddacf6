// Enter acts as Tab in the input windows: the focus moves to the next
// control and the focused control never sees the Enter.
#pragma once

#include <QObject>

class QWidget;

namespace forms {

class EnterAsTab : public QObject {
    Q_OBJECT
public:
    // Makes Enter act as Tab in `window` (and every control inside it).
    static void install(QWidget* window);
    static bool isInstalled(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EnterAsTab();
    static EnterAsTab* instance();
};

} // namespace forms
