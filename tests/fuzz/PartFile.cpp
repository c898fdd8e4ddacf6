// A saved inscription or name part of any bytes, opened as the editor opens
// it, laid out in a vertical box and drawn: a file that loads has a layout
// whose every line accounts for its positions, and drawing it ends.
#include "FuzzSupport.h"
#include "platform/richtext/Render.h"
#include "platform/richtext/RichTextBox.h"

#include <QImage>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzInitialise();
    const QString path = fuzzFile(QStringLiteral("part.nd1"), fuzzBytes(data, size));
    rt::RichTextBox box;
    box.setVertical(true);
    box.setWidthMm(120);
    box.setHeightMm(180);
    QString error;
    if (!box.loadFile(path, &error)) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    const std::shared_ptr<const rt::TextLayout> layout = box.layout();
    FUZZ_CHECK(layout != nullptr);
    const qsizetype length = box.document().length();
    for (const rt::LaidLine& line : layout->lines()) {
        FUZZ_CHECK(line.length >= 0 && line.start >= 0 && line.start + line.length <= length);
        FUZZ_CHECK(line.stops.size() == line.length + 1);
        for (double s : line.stops)
            FUZZ_CHECK(std::isfinite(s));
    }
    for (qsizetype pos : {qsizetype(0), length / 2, length}) {
        const QLineF caret = layout->caretMm(pos);
        FUZZ_CHECK(std::isfinite(caret.x1()) && std::isfinite(caret.y1()));
        FUZZ_CHECK(layout->lineOf(pos) < layout->lines().size());
    }
    const qsizetype hit = layout->positionAt(QPointF(60, 90));
    FUZZ_CHECK(hit >= 0 && hit <= length);

    // Drawn at two dots a millimetre: small, and every path of the drawing runs.
    QImage page(240, 360, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    rt::render(box, painter, QRectF(page.rect()), 2.0);
    return 0;
}
