// A vertical page in an editing widget, shown offscreen and focused, with
// helpers that aim the mouse at a character by the layout's own geometry.
#pragma once

#include "platform/richtext/RichTextEdit.h"
#include "platform/richtext/TextLayout.h"

#include "common/Drive.h"

#include <QApplication>
#include <QScrollBar>
#include <memory>

namespace edittest {

struct Page {
    std::unique_ptr<rt::RichTextEdit> edit;
    rt::RichTextBox* box = nullptr;

    explicit Page(bool vertical = true, double widthMm = 60, double heightMm = 60, QSize view = {300, 300})
    {
        edit = std::make_unique<rt::RichTextEdit>();
        box = edit->box();
        box->setVertical(vertical);
        box->setWidthMm(widthMm);
        box->setHeightMm(heightMm);
        box->setSelFontSize(20);
        edit->resize(view);
        edit->show();
        QApplication::setActiveWindow(edit.get());
        edit->setFocus();
        QApplication::processEvents();
    }

    // Text written through the box, as the layout writes a page; not undoable.
    void write(const QString& text)
    {
        box->setSelText(text);
        box->setSelStart(0);
        edit->clearUndo();
    }

    QWidget* view() const { return edit->viewport(); }

    // The middle of the character at pos (or of the gap before it, when `gap`).
    QPoint pointAt(qsizetype pos, bool gap = false) const
    {
        const auto layout = box->layout();
        const rt::LaidLine& l = layout->lines()[layout->lineOf(pos)];
        const qsizetype k = pos - l.start;
        const double along = gap || k >= l.length ? l.stops[k] : (l.stops[k] + l.stops[k + 1]) / 2;
        const QPointF mm = layout->vertical() ? QPointF(l.rectMm.center().x(), along)
                                              : QPointF(along, l.rectMm.center().y());
        return edit->viewportPointAt(mm).toPoint();
    }

    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { drive::keyClick(edit.get(), k, mods); }

    QString text() const { return box->text(); }
};

} // namespace edittest
