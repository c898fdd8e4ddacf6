// The program's windows as one set: the program ends when the last of them
// has closed, whichever it is, and a request from outside (a second start)
// brings the one the user last worked in to the front.
//
// Qt's own last-window rule does not serve here: the windows that unload
// themselves hide instead of accepting the close, which Qt never counts,
// and it ends the program while dialogs owned by a closed window are open.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace forms {

class ProgramWindows : public QObject {
    Q_OBJECT
public:
    explicit ProgramWindows(QObject* parent = nullptr);
    ~ProgramWindows() override;

    // From now on the event loop ends (exit code 0) once no window is shown.
    void arm() { armed_ = true; }

    // The window last activated that is still shown, or else any shown window.
    QWidget* frontWindow() const;
    // Restores that window if minimised and brings it to the front.
    void bringFrontForward();

    static bool anyWindowShown();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void checkSoon();

    QPointer<QWidget> lastActive_;
    bool armed_ = false;
    bool checkPending_ = false;
};

} // namespace forms
