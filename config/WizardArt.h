// The setup wizard's pictures, drawn here: a noshi sheet with its knot and
// ornament, and a close view of the knot. Decoration only.
#pragma once

#include <QWidget>

namespace config {

class WizardPicture : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Sheet, Knot };
    WizardPicture(Kind kind, QWidget* parent = nullptr);
    Kind kind() const { return kind_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void paintSheet(class QPainter& p, const QRectF& area) const;
    void paintKnot(class QPainter& p, const QRectF& area) const;
    Kind kind_;
};

} // namespace config
