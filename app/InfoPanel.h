// The picture box on the left of the main window: a background picture
// with a short report printed over it, and the container of the previews.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace app {

class InfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget* parent = nullptr);

    struct Line {
        QString text;
        QColor color;
    };

    // The built-in picture, or one loaded from a file (false: unreadable, unchanged).
    void setBuiltinPicture();
    bool loadPicture(const QString& path);
    bool hasBuiltinPicture() const { return builtin_; }

    void clearText();
    void printLine(const QString& text, const QColor& color);
    const QList<Line>& lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap picture_;
    bool builtin_ = true;
    QList<Line> lines_;
};

} // namespace app
