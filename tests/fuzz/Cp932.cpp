// Code page 932 both ways. Bytes that decode encode back to text that
// decodes the same. Text (the input read as UTF-16) is either refused,
// naming a position in it, or written so that it reads back as itself, bar
// the documented JIS forms: nothing is replaced silently.
#include "FuzzSupport.h"
#include "platform/text/Cp932.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    cp932::Error err;
    const QString text = cp932::decode(bytes, &err);
    if (!err.failed) {
        const QByteArray again = cp932::encode(text, &err);
        FUZZ_CHECK(!err.failed);
        FUZZ_CHECK(cp932::decode(again, &err) == text);
        FUZZ_CHECK(!err.failed);
    } else {
        FUZZ_CHECK(err.position >= 0 && err.position < bytes.size());
    }

    QString utf16(qsizetype(size / 2), Qt::Uninitialized); // copied: the input need not be aligned
    std::memcpy(utf16.data(), data, size_t(utf16.size()) * 2);
    const QByteArray encoded = cp932::encode(utf16, &err);
    if (err.failed) {
        FUZZ_CHECK(encoded.isEmpty());
        FUZZ_CHECK(err.position >= 0 && err.position < utf16.size());
        FUZZ_CHECK(!err.message.isEmpty());
    } else {
        FUZZ_CHECK(cp932::decode(encoded, &err) == cp932::toCp932Repertoire(utf16));
    }
    return 0;
}
