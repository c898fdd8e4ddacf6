// The on-screen face of one of the main window's preview boxes: read-only,
// repainted whenever its rich-text box changes.
#pragma once

#include <QWidget>

namespace rt {
class RichTextBox;
}

namespace app {

class PreviewBoxView : public QWidget {
    Q_OBJECT
public:
    PreviewBoxView(rt::RichTextBox* box, QWidget* parent = nullptr);
    rt::RichTextBox* box() const { return box_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    rt::RichTextBox* box_;
};

} // namespace app
