// Answers the next font dialog through its own controls: once the dialog is
// up (modal), `use` picks in its lists and boxes and presses OK or Cancel.
// `shown` tells afterwards whether a font dialog came up at all.
#pragma once

#include "common/Drive.h"
#include "platform/services/FontDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

namespace testing_support {

class FontDialogDriver {
public:
    explicit FontDialogDriver(std::function<void(ui::FontDialog&)> use)
    {
        QTimer::singleShot(0, [shown = shown_, use = std::move(use)] {
            auto* d = qobject_cast<ui::FontDialog*>(QApplication::activeModalWidget());
            if (!d)
                return;
            *shown = true;
            use(*d);
            if (d->isVisible()) // the use left it open: it is cancelled
                d->cancelButton->click();
        });
    }
    bool shown() const { return *shown_; }

    // Clicks the listed entry of that text, as the user does.
    static void pick(QListWidget* list, const QString& text)
    {
        const auto found = list->findItems(text, Qt::MatchExactly);
        if (found.isEmpty())
            return;
        list->scrollToItem(found.front());
        drive::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(found.front()).center());
    }
    static void pickColor(ui::FontDialog& d, const QString& name)
    {
        d.colorList->setCurrentIndex(d.colorList->findText(name));
    }

private:
    std::shared_ptr<bool> shown_ = std::make_shared<bool>(false);
};

} // namespace testing_support
