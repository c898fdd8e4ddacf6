// The object the editors' insert-object command makes from a chosen file:
// any bytes give an object (their picture, or the file packaged whole) no
// larger than the room offered, which is written out again as it came.
#include "FuzzSupport.h"
#include "platform/richtext/RichDocument.h"
#include "platform/richtext/RichTextEditFileObject.h"
#include "platform/richtext/Rtf.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzInitialise();
    static QTemporaryDir dir; // where objects are written out
    // The first byte picks the room offered (down to none) and the file's name.
    static const char* const names[] = {"file.png", "file.jpg", "file.bmp", "file.gif", "file.rtf", "file"};
    const uint8_t pick = size > 0 ? data[0] : 0;
    const QByteArray bytes = size > 0 ? fuzzBytes(data + 1, size - 1) : QByteArray();
    const QString path = fuzzFile(QString::fromLatin1(names[pick % std::size(names)]), bytes);
    const QSizeF fit((pick >> 3) * 8.0, (pick >> 3) * 6.0);
    QString error;
    const std::shared_ptr<rt::EmbeddedObject> obj = rt::objectFromFile(path, fit, &error);
    QFile::remove(path);
    FUZZ_CHECK(obj != nullptr);
    FUZZ_CHECK(obj->sizeMm.width() <= fit.width() + 1e-9 && obj->sizeMm.height() <= fit.height() + 1e-9);
    FUZZ_CHECK(obj->sizeMm.width() >= 0 && obj->sizeMm.height() >= 0);
    const bool package = obj->kind == rt::EmbeddedObject::Kind::Object;
    if (package)
        FUZZ_CHECK(obj->objectData == bytes);

    // Written out for the desktop: a package as its own bytes.
    const QString out = rt::writeObjectFile(*obj, dir.path(), &error);
    if (package && !bytes.isEmpty()) {
        FUZZ_CHECK(!out.isEmpty());
        QFile f(out);
        FUZZ_CHECK(f.open(QIODevice::ReadOnly) && f.readAll() == bytes);
    }
    if (!out.isEmpty())
        QFile::remove(out);

    // Saved inside a part and read back, the object carries the same data.
    rt::RichDocument doc;
    doc.paragraphs[0].items.append(rt::Inline{QString(), rt::CharFormat(), obj});
    rt::RichDocument back;
    FUZZ_CHECK(rt::readRtf(rt::writeRtf(doc), back, &error));
    const rt::Inline* found = nullptr;
    for (const rt::Paragraph& p : back.paragraphs)
        for (const rt::Inline& i : p.items)
            if (i.isObject())
                found = &i;
    FUZZ_CHECK(found != nullptr);
    if (package)
        FUZZ_CHECK(found->object->objectData == bytes);
    return 0;
}
