// Writing into a box the way the layout does (set the format with nothing
// selected, then insert), and drawing a box onto a white picture.
#pragma once

#include "platform/richtext/Render.h"

#include <QImage>
#include <QPainter>

namespace boxtest {

inline void write(rt::RichTextBox& box, const QString& text, double size,
                  const QString& font = QStringLiteral("ＭＳ 明朝"))
{
    box.setSelFontName(font);
    box.setSelFontSize(size);
    box.setSelText(text);
}

inline void verticalPage(rt::RichTextBox& box, double widthMm, double heightMm, int blankLines)
{
    box.setVertical(true);
    box.setWidthMm(widthMm);
    box.setHeightMm(heightMm);
    for (int i = 0; i < blankLines; ++i)
        write(box, QStringLiteral("\r\n"), 4);
}

inline QImage renderToImage(const rt::RichTextBox& box, double dotsPerMm)
{
    QImage img(int(box.widthMm() * dotsPerMm), int(box.heightMm() * dotsPerMm), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    rt::render(box, p, QRectF(0, 0, img.width(), img.height()), dotsPerMm);
    return img;
}

} // namespace boxtest
