#include "platform/forms/UpDown.h"

#include "platform/forms/Controls.h"
#include "platform/vb/VbNum.h"

#include <QLineEdit>
#include <algorithm>

namespace noshi {

void makeArrowsCountUp(QScrollBar* bar)
{
    bar->setInvertedAppearance(true);
    // The toolkit's own direction for keys and wheel on a vertical bar; the
    // turn below then makes Up and a wheel turned up count up as well.
    bar->setInvertedControls(true);
    // The signal comes when the position has moved by the action and before
    // the value follows it: the step is taken the other way round.
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar](int action) {
        int step = 0;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: step = -bar->singleStep(); break;
        case QAbstractSlider::SliderSingleStepSub: step = bar->singleStep(); break;
        case QAbstractSlider::SliderPageStepAdd: step = -bar->pageStep(); break;
        case QAbstractSlider::SliderPageStepSub: step = bar->pageStep(); break;
        default: return;
        }
        bar->setSliderPosition(std::clamp(bar->value() + step, bar->minimum(), bar->maximum()));
    });
}

UpDown::UpDown(QWidget* parent, QLineEdit* buddy, int minimum, int maximum, Arrows arrows)
    : QScrollBar(Qt::Vertical, parent), buddy_(buddy), writing_(true)
{
    setRange(minimum, maximum);
    setValue(std::clamp(0, minimum, maximum));
    setSingleStep(1);
    setPageStep(1);
    if (arrows == Arrows::CountUp)
        makeArrowsCountUp(this);
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
