#include "preview/PreviewFormatter.h"

#include "platform/fonts/FontCatalog.h"
#include "platform/forms/Controls.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

namespace preview {

namespace {

constexpr double TwipsPerPoint = 20.0;

QString numberText(double v)
{
    return QString::number(v, 'g', 10);
}

} // namespace

PreviewFormatter::PreviewFormatter(const Controls& c, std::function<rt::Color()> usuzumi, QObject* parent)
    : QObject(parent), c_(c), usuzumi_(std::move(usuzumi))
{
    dialog_.name = QStringLiteral("ＭＳ 明朝");
    dialog_.size = 10;
}

rt::RichTextBox& PreviewFormatter::box(int which) const { return *view(which)->box(); }

bool PreviewFormatter::holdsText(int which) const { return view(which) && !box(which).selText().isEmpty(); }

bool PreviewFormatter::anyText() const { return holdsText(1) || holdsText(2); }

bool PreviewFormatter::checkSelection() const
{
    if (anyText())
        return true;
    ui::MsgBox(NothingSelectedMessage, ui::Buttons::Ok, ui::Icon::Information, ui::InputCheckTitle);
    return false;
}

int PreviewFormatter::lastClicked() const { return !c_.view2 || c_.option1->isChecked() ? 1 : 2; }

void PreviewFormatter::focusBox(int which) { view(which)->setFocus(Qt::OtherFocusReason); }

void PreviewFormatter::focusLastClicked() { focusBox(lastClicked()); }

// One command is one step to undo in each box it changes.
void PreviewFormatter::forBoth(const std::function<void(rt::RichTextBox&)>& change)
{
    for (int which : boxes()) {
        const rt::EditBlock step(box(which));
        change(box(which));
    }
}

void PreviewFormatter::forSelected(const std::function<void(rt::RichTextBox&)>& change)
{
    for (int which : boxes()) {
        if (!holdsText(which))
            continue;
        const rt::EditBlock step(box(which));
        change(box(which));
    }
}

// --- the boxes -------------------------------------------------------------

void PreviewFormatter::boxClicked(int which)
{
    rt::RichTextBox& b = box(which);
    if (c_.view2)
        box(which == 1 ? 2 : 1).setSelLength(0);
    // A selection of mixed formats reports no single value: that box keeps
    // what it showed. Writing a box runs its change handling, which finds
    // the selection already in that format and leaves it alone.
    if (const auto size = b.selFontSize())
        c_.sizeBox->setText(numberText(*size));
    const auto shown = vb::ToNumber(c_.sizeBox->text());
    setSizeBoxTextColourHidden(!shown || *shown < c_.hiddenSizeBelow);
    if (const auto font = b.selFontName())
        c_.fontBox->setEditText(*font);
    if (const auto offset = b.selCharOffset())
        c_.baselineBox->setText(numberText(std::round(*offset * TwipsPerPoint)));
    view(which)->viewport()->update();
    if (QRadioButton* last = which == 1 ? c_.option1 : c_.option2)
        last->setChecked(true);
}

void PreviewFormatter::boxRightPressed(int which)
{
    const bool on = holdsText(which);
    for (QAction* a : c_.selectionItems)
        a->setEnabled(on);
}

// --- font ------------------------------------------------------------------

void PreviewFormatter::fontListDropDown()
{
    if (c_.fontBox->count() > 0)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString keep = c_.fontBox->currentText();
    QStringList names;
    for (const QString& n : fonts::japaneseFontNames())
        if (!n.startsWith(QLatin1Char('@')))
            names << n;
    names.sort();
    {
        const QSignalBlocker quiet(c_.fontBox);
        c_.fontBox->addItems(names);
        c_.fontBox->setEditText(keep);
        forms::fitPopupToItems(c_.fontBox);
    }
    QApplication::restoreOverrideCursor();
    c_.fontBox->update();
}

void PreviewFormatter::fontChosen()
{
    const QString name = c_.fontBox->currentText();
    forBoth([&](rt::RichTextBox& b) { b.setSelFontName(name); });
}

void PreviewFormatter::fontDialog()
{
    if (!checkSelection())
        return;
    // The dialog's colour is applied too, touched or not; its size, style
    // and the other effects are not.
    if (const auto f = ui::ChooseFont(dialog_)) {
        dialog_ = *f;
        forBoth([&](rt::RichTextBox& b) {
            b.setSelFontName(f->name);
            b.setSelColor(f->color);
        });
    }
    focusBox(1);
}

void PreviewFormatter::colorDialog()
{
    if (!checkSelection())
        return;
    constexpr rt::Color Blue = 0xFF0000; // &H00BBGGRR
    dialog_.color = Blue;
    if (const auto c = ui::ChooseColor(Blue)) {
        dialog_.color = *c;
        forBoth([&](rt::RichTextBox& b) { b.setSelColor(*c); });
    }
    focusBox(1);
}

// --- size ------------------------------------------------------------------

void PreviewFormatter::setSizeBoxColours(bool highlighted)
{
    highlighted_ = highlighted;
    QPalette p = QApplication::palette(c_.sizeBox);
    if (highlighted) {
        p.setColor(QPalette::Base, QApplication::palette().color(QPalette::Active, QPalette::Highlight));
        p.setColor(QPalette::Text, QApplication::palette().color(QPalette::Base));
    }
    c_.sizeBox->setPalette(p);
}

void PreviewFormatter::setSizeBoxTextColourHidden(bool hidden)
{
    QPalette p = c_.sizeBox->palette();
    p.setColor(QPalette::Text, hidden ? p.color(QPalette::Base) : QApplication::palette().color(QPalette::Text));
    c_.sizeBox->setPalette(p);
}

void PreviewFormatter::sizeCommand()
{
    if (!checkSelection())
        return;
    for (int which : boxes()) {
        if (!holdsText(which))
            continue;
        setSizeBoxColours(true);
        // Only shown: writing the inscription's size must not resize the
        // name's selection before the user has typed anything.
        if (const auto size = box(which).selFontSize()) {
            const QSignalBlocker quiet(c_.sizeBox);
            c_.sizeBox->setText(numberText(*size));
        }
        c_.sizeBox->setFocus(Qt::OtherFocusReason);
    }
}

void PreviewFormatter::popupSize()
{
    setSizeBoxColours(true);
    c_.sizeBox->setFocus(Qt::OtherFocusReason);
}

void PreviewFormatter::sizeBoxChanged()
{
    const QString text = c_.sizeBox->text();
    const auto n = vb::ToNumber(text);
    if (text.isEmpty() || !n || *n > 500) {
        ui::Beep();
        return;
    }
    const double size = *n;
    if (size > 0) {
        forSelected([&](rt::RichTextBox& b) {
            // Showing a selection's own size must not count as a change.
            if (b.selFontSize() != size)
                b.setSelFontSize(size);
        });
    }
    setSizeBoxColours(false);
    const double whole = vb::RoundHalfEven(size);
    if (whole >= c_.sizeSpinner->minimum() && whole <= c_.sizeSpinner->maximum()) {
        // The spinner follows the box without writing its rounded value back.
        const QSignalBlocker quiet(c_.sizeSpinner);
        c_.sizeSpinner->setValue(int(whole));
    }
}

void PreviewFormatter::sizeSpinnerChanged() { c_.sizeBox->setText(QString::number(c_.sizeSpinner->value())); }

// --- attributes ------------------------------------------------------------

void PreviewFormatter::bold()
{
    forBoth([](rt::RichTextBox& b) { b.setSelBold(true); });
}

void PreviewFormatter::italic()
{
    forBoth([](rt::RichTextBox& b) { b.setSelItalic(true); });
    focusBox(1);
}

void PreviewFormatter::underline()
{
    forBoth([](rt::RichTextBox& b) { b.setSelUnderline(true); });
    focusBox(1);
}

void PreviewFormatter::strikeThrough()
{
    forBoth([](rt::RichTextBox& b) { b.setSelStrikeThru(true); });
    focusBox(1);
}

void PreviewFormatter::plain()
{
    forBoth([](rt::RichTextBox& b) {
        b.setSelItalic(false);
        b.setSelBold(false);
        b.setSelUnderline(false);
        b.setSelStrikeThru(false);
    });
    focusBox(1);
}

void PreviewFormatter::usuzumiFromMenu()
{
    if (!checkSelection())
        return;
    const rt::Color c = usuzumi_();
    for (int which : boxes()) {
        if (holdsText(which)) {
            box(which).setSelColor(c);
            focusBox(which);
        }
    }
}

void PreviewFormatter::usuzumiFromPopup()
{
    const rt::Color c = usuzumi_();
    forBoth([&](rt::RichTextBox& b) { b.setSelColor(c); });
}

void PreviewFormatter::baselineChanged()
{
    const auto n = vb::ToNumber(c_.baselineBox->text());
    if (!n)
        return;
    const double points = *n / TwipsPerPoint;
    forSelected([&](rt::RichTextBox& b) {
        if (b.selCharOffset() != points)
            b.setSelCharOffset(points);
    });
}

// --- edit commands ---------------------------------------------------------

void PreviewFormatter::undo()
{
    focusLastClicked();
    view(lastClicked())->undo();
}

void PreviewFormatter::cut()
{
    focusLastClicked();
    view(lastClicked())->cut();
}

void PreviewFormatter::copy()
{
    focusLastClicked();
    view(lastClicked())->copy();
}

void PreviewFormatter::paste()
{
    focusLastClicked();
    view(lastClicked())->paste();
}

void PreviewFormatter::undoFocused()
{
    QWidget* w = QApplication::focusWidget();
    for (int which : boxes()) {
        rt::RichTextEdit* v = view(which);
        if (w == v || (w && v->isAncestorOf(w))) {
            v->undo();
            return;
        }
    }
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->undo();
    else if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
        combo->lineEdit()->undo();
}

} // namespace preview
