// What the RTF reader accepts survives our own writer: the written form
// reads again, to the same text and formats, and writing is then stable.
#include "FuzzSupport.h"
#include "platform/richtext/Rtf.h"

namespace {

// What must survive writing (sizes in millimetres pass through whole twips
// and may move by a rounding step, so objects are compared by their data).
QString signature(const rt::RichDocument& d)
{
    QString s;
    for (const rt::Paragraph& p : d.paragraphs) {
        for (const rt::Inline& i : p.items) {
            const rt::CharFormat& f = i.format;
            s += QStringLiteral("<%1|%2|%3%4%5%6|%7|%8>")
                     .arg(f.fontName)
                     .arg(f.size)
                     .arg(f.bold)
                     .arg(f.italic)
                     .arg(f.underline)
                     .arg(f.strike)
                     .arg(f.color)
                     .arg(f.offset);
            s += i.isObject() ? QStringLiteral("[%1:%2]").arg(i.object->png.size()).arg(i.object->objectData.size())
                              : i.text;
        }
        s += QStringLiteral("¶%1|%2\n").arg(p.mark.fontName).arg(p.mark.size);
    }
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    rt::RichDocument doc;
    if (!rt::readRtf(fuzzBytes(data, size), doc))
        return 0;
    const QByteArray written = rt::writeRtf(doc);
    rt::RichDocument again;
    QString error;
    FUZZ_CHECK(rt::readRtf(written, again, &error));
    FUZZ_CHECK(signature(again) == signature(doc));
    rt::RichDocument third;
    FUZZ_CHECK(rt::readRtf(rt::writeRtf(again), third, &error));
    FUZZ_CHECK(signature(third) == signature(doc));
    return 0;
}
