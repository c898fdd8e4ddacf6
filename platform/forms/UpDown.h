// A spinner bound to a text box: each step starts from the number in the
// box (or the spinner's own value when the box holds none), stays within
// the range and writes the new value into the box, which runs its change
// handler as typing would.
#pragma once

#include <QScrollBar>

class QLineEdit;

namespace noshi {

// A scroll bar's upper arrow steps towards its minimum; a spinner's upper
// arrow counts up. Turns the bar's arrows, keys and wheel round so that up
// raises the value (its thumb, if any, stands high for a high value).
void makeArrowsCountUp(QScrollBar* bar);

class UpDown : public QScrollBar {
    Q_OBJECT
public:
    // Reversed: the upper arrow lowers the number, as a scroll bar's does.
    enum class Arrows { CountUp, Reversed };
    UpDown(QWidget* parent, QLineEdit* buddy, int minimum, int maximum, Arrows arrows = Arrows::CountUp);
    QLineEdit* buddy() const { return buddy_; }
    // Changes the range without writing into the box.
    void setRangeQuietly(int minimum, int maximum);
    // Moves to the value (held within the range) without writing into the box.
    void setValueQuietly(int value);

protected:
    void sliderChange(SliderChange change) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QLineEdit* buddy_;
    bool writing_ = false;
};

} // namespace noshi
