#include "app/InfoPanel.h"

#include <QImageReader>
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
    QImageReader reader(path);
    const QImage img = reader.read();
    if (img.isNull())
        return false;
    picture_ = QPixmap::fromImage(img);
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
    const QFontMetrics fm(font());
    int y = fm.ascent();
    for (const Line& l : lines_) {
        p.setPen(l.color);
        p.drawText(2, y, l.text);
        y += fm.height();
    }
}

} // namespace app
