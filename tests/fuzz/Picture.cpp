// The picture converter of RTF documents (JPEG, device-independent bitmaps,
// PNG and the rest), fed directly: RTF inputs seldom reach its decoders.
// The first byte picks the format, the next eight the size words.
#include "FuzzSupport.h"
#include "platform/richtext/RtfPicture.h"

#include <QImage>
#include <cmath>

using rt::rtfpict::Format;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 9)
        return 0;
    constexpr Format formats[] = {Format::Png, Format::Jpeg, Format::Dib, Format::WindowsBitmap,
                                  Format::WindowsMetafile, Format::Emf, Format::Other, Format::None};
    rt::rtfpict::PictureData p;
    p.format = formats[data[0] % std::size(formats)];
    const auto word = [&](int at) { return int(int16_t(data[at] | data[at + 1] << 8)); };
    p.picw = word(1);
    p.pich = word(3);
    p.goalw = word(5);
    p.goalh = word(7);
    p.scalex = 1 + (data[0] >> 3);
    p.scaley = 100;
    p.data = fuzzBytes(data + 9, size - 9);
    const QByteArray png = rt::rtfpict::toPng(p);
    const QSize pixels = rt::rtfpict::pngPixelSize(png);
    if (!png.isEmpty() && p.format != Format::Png) {
        // A converted picture is a PNG that reads back, of the size its
        // header says (PNG data passes through as it came).
        FUZZ_CHECK(pixels.isValid());
        const QImage image = QImage::fromData(png, "PNG");
        FUZZ_CHECK(!image.isNull());
        FUZZ_CHECK(image.size() == pixels);
    }
    const QSizeF mm = rt::rtfpict::sizeMm(p, pixels);
    FUZZ_CHECK(std::isfinite(mm.width()) && std::isfinite(mm.height()));
    rt::rtfpict::pngPixelSize(p.data);
    return 0;
}
