#include "platform/forms/SubWindowParts.h"

#include <QMouseEvent>
#include <QPushButton>

namespace app {

namespace {
const char* const ImeProperty = "noshiImeMode";
}

void setImeMode(QWidget* box, ImeMode mode)
{
    box->setProperty(ImeProperty, int(mode));
    // The closest the toolkit offers: rank and copies boxes ask for plain digits.
    if (mode == ImeMode::Off)
        box->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhLatinOnly);
    else if (mode == ImeMode::Hiragana)
        box->setInputMethodHints(Qt::ImhNone);
}

ImeMode imeMode(const QWidget* box)
{
    const QVariant v = box->property(ImeProperty);
    return v.isValid() ? ImeMode(v.toInt()) : ImeMode::Unchanged;
}

MagnifierButton::MagnifierButton(QWidget* parent, std::function<void()> onClick)
    : QLabel(parent), onClick_(std::move(onClick))
{
    setText(QStringLiteral("🔍"));
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void MagnifierButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        click();
}

OkCancel makeOkCancel(QWidget* parent, int left, int top, int width, int height)
{
    OkCancel b;
    b.ok = placeTwips(new QPushButton(QStringLiteral("OK"), parent), left, top, width, height);
    b.cancel = placeTwips(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), parent), left, top + height + 120, width,
                          height);
    b.ok->setDefault(true);
    return b;
}

} // namespace app
