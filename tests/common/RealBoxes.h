// Message boxes shown as real windows, as the user meets them: each is
// answered by a click on its button once it has become the active window,
// and the window behind it is activated again when it has gone, as the
// desktop does.
#pragma once

#include "common/Drive.h"
#include "platform/services/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <vector>

namespace realbox {

inline QMessageBox::StandardButton button(ui::Answer a)
{
    switch (a) {
    case ui::Answer::Ok: return QMessageBox::Ok;
    case ui::Answer::Cancel: return QMessageBox::Cancel;
    case ui::Answer::Yes: return QMessageBox::Yes;
    case ui::Answer::No: return QMessageBox::No;
    case ui::Answer::Retry: return QMessageBox::Retry;
    case ui::Answer::Abort: return QMessageBox::Abort;
    case ui::Answer::Ignore: return QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

// The boxes from now on, answered in this order; OK after the last.
inline void answers(std::vector<ui::Answer> list)
{
    auto queue = std::make_shared<std::vector<ui::Answer>>(std::move(list));
    ui::setAnswerer([queue](const ui::MessageRequest& r) {
        ui::Answer a = ui::Answer::Ok;
        if (!queue->empty()) {
            a = queue->front();
            queue->erase(queue->begin());
        }
        QWidget* behind = QApplication::activeWindow();
        QMessageBox box(QMessageBox::NoIcon, r.title, r.text, QMessageBox::NoButton, behind);
        box.addButton(button(a));
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &box, [&box, &poll, a] {
            if (QApplication::activeWindow() != &box)
                return;
            poll.stop();
            drive::click(box.button(button(a)));
        });
        poll.start(5);
        box.exec();
        // The desktop gives the focus back to the window the box stood over.
        if (behind)
            behind->activateWindow();
        return a;
    });
}

} // namespace realbox
