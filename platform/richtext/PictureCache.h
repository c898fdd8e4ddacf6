// Pictures of embedded objects decoded once and kept at the size they are
// drawn: a repaint (a keystroke, a caret move) draws the kept image instead
// of decoding the object's picture again, which for a photograph of many
// megapixels takes longer than a frame.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace rt {

// The picture held in `bytes` (PNG, or any format the reader knows) at
// `pixels`, or at its own size when that is smaller; null when it cannot be
// decoded. The same bytes at the same size are decoded only once while
// they stay among the pictures drawn last.
QImage drawnPicture(const QByteArray& bytes, QSize pixels);

// How many pictures were decoded for drawing since the program started.
qint64 pictureDecodeCount();

} // namespace rt
