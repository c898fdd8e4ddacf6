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
    // Where each line's baseline lies in the panel, -1 for a blank line left
    // out: when the report is taller than the panel, blank lines of its
    // longest gap give way so that the closing lines stay whole.
    QList<int> baselines() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap picture_;
    bool builtin_ = true;
    QList<Line> lines_;
};

} // namespace app
