#include "platform/forms/UpDown.h"

#include "platform/forms/Controls.h"
#include "platform/vb/VbNum.h"

#include <QLineEdit>
#include <algorithm>

namespace noshi {

UpDown::UpDown(QWidget* parent, QLineEdit* buddy, int minimum, int maximum)
    : QScrollBar(Qt::Vertical, parent), buddy_(buddy), writing_(true)
{
    setRange(minimum, maximum);
    setValue(std::clamp(0, minimum, maximum));
    setSingleStep(1);
    setPageStep(1);
    setInvertedAppearance(true); // the upper arrow counts up
    setInvertedControls(true);
    setFocusPolicy(Qt::TabFocus);
    writing_ = false;
}

void UpDown::setRangeQuietly(int minimum, int maximum)
{
    const QSignalBlocker quiet(this);
    writing_ = true;
    setRange(minimum, maximum);
    writing_ = false;
}

void UpDown::setValueQuietly(int value)
{
    const QSignalBlocker quiet(this);
    writing_ = true;
    setValue(std::clamp(value, minimum(), maximum()));
    writing_ = false;
}

void UpDown::mousePressEvent(QMouseEvent* e)
{
    // Step from what the box shows, not from where the spinner last stood.
    if (const auto n = vb::ToNumber(buddy_->text())) {
        const QSignalBlocker quiet(this);
        writing_ = true;
        setValue(int(std::clamp(vb::RoundHalfEven(*n), double(minimum()), double(maximum()))));
        writing_ = false;
    }
    QScrollBar::mousePressEvent(e);
}

void UpDown::sliderChange(SliderChange change)
{
    QScrollBar::sliderChange(change);
    if (change == SliderValueChange && !writing_)
        forms::setText(buddy_, QString::number(value()));
}

} // namespace noshi
