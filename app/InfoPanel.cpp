#include "app/InfoPanel.h"

#include "platform/files/PictureFile.h"

#include <algorithm>
#include <QLinearGradient>
#include <QPainter>

namespace app {

InfoPanel::InfoPanel(QWidget* parent) : QWidget(parent) {}

void InfoPanel::setBuiltinPicture()
{
    picture_ = QPixmap();
    builtin_ = true;
    update();
}

bool InfoPanel::loadPicture(const QString& path)
{
    // Through the regular-file check: a pipe named as the picture would
    // otherwise block the program before its window is shown.
    const files::PictureRead pic = files::readPictureFile(path);
    if (!pic.ok())
        return false;
    picture_ = QPixmap::fromImage(pic.image);
    builtin_ = false;
    update();
    return true;
}

void InfoPanel::clearText()
{
    lines_.clear();
    update();
}

void InfoPanel::printLine(const QString& text, const QColor& color)
{
    lines_.append({text, color});
    update();
}

void InfoPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (picture_.isNull()) {
        // The built-in picture: a quiet paper tone with a red and white band,
        // the colours of a noshi cord.
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(0xfb, 0xf8, 0xf0));
        g.setColorAt(1, QColor(0xee, 0xe6, 0xd4));
        p.fillRect(rect(), g);
        p.fillRect(QRect(width() - 10, 0, 4, height()), QColor(0xc8, 0x1e, 0x2c));
        p.fillRect(QRect(width() - 6, 0, 4, height()), QColor(0xd8, 0xd8, 0xd8));
    } else {
        p.drawPixmap(rect(), picture_);
    }
    const QList<int> ys = baselines();
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (ys[i] < 0 || lines_[i].text.isEmpty())
            continue;
        p.setPen(lines_[i].color);
        p.drawText(2, ys[i], lines_[i].text);
    }
}

QList<int> InfoPanel::baselines() const
{
    const QFontMetrics fm(font());
    const int pitch = fm.height();
    // The longest run of blank lines, and how many of them must go.
    qsizetype runStart = -1, runLength = 0;
    for (qsizetype i = 0; i < lines_.size();) {
        qsizetype j = i;
        while (j < lines_.size() && lines_[j].text.isEmpty())
            ++j;
        if (j - i > runLength) {
            runStart = i;
            runLength = j - i;
        }
        i = j == i ? i + 1 : j;
    }
    const int overflow = int(lines_.size()) * pitch + fm.descent() - height();
    qsizetype drop = overflow > 0 ? std::min<qsizetype>((overflow + pitch - 1) / pitch, runLength) : 0;
    QList<int> ys;
    int y = fm.ascent();
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (drop > 0 && i >= runStart && i < runStart + drop) {
            ys << -1;
            continue;
        }
        ys << y;
        y += pitch;
    }
    return ys;
}

} // namespace app
