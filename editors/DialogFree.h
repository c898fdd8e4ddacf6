// The page-size dialog of the free-size editor: the paper's width and height
// in whole millimetres. OK takes the two sizes only when both lie within
// the sizes a page can be shown and printed at; otherwise it says so and
// stays open.
#pragma once

#include "platform/forms/Form.h"

#include <optional>

class QLineEdit;
class QPushButton;

namespace editors {

constexpr int FreeSizeMinMm = 1;
constexpr int FreeSizeMaxMm = 1000;

// A size typed or stored as text, as whole millimetres (halves to even);
// nullopt when it is not a number or lies outside 1 to 1000 mm.
std::optional<int> FreeSizeFromText(const QString& text);

class DialogFree : public forms::Form {
    Q_OBJECT
public:
    static inline const QString OutOfRangeMessage =
        QStringLiteral("用紙のサイズは、1 から 1000 mm までの数で入力してください。");

    explicit DialogFree(QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr; // "横の長さ(&W)"
    QLineEdit* Text2 = nullptr; // "縦の長さ(&H)"
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void OKButton_Click();
    void CancelButton_Click();

    // The sizes taken by OK; empty after Cancel.
    std::optional<int> width() const { return width_; }
    std::optional<int> height() const { return height_; }

private:
    std::optional<int> width_;
    std::optional<int> height_;
};

} // namespace editors
