// Picture files as the picture picker and the information panel read them:
// any bytes in a regular file give a picture or a reason, never both, and a
// picture is never larger than the program agrees to hold.
#include "FuzzSupport.h"
#include "platform/files/PictureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzInitialise();
    const QString path = fuzzFile(QStringLiteral("picture"), fuzzBytes(data, size));
    const files::PictureRead r = files::readPictureFile(path);
    FUZZ_CHECK(r.status != files::PictureStatus::Missing && r.status != files::PictureStatus::Refused);
    if (r.ok()) {
        FUZZ_CHECK(!r.image.isNull() && r.reason.isEmpty());
        FUZZ_CHECK(qint64(r.image.width()) * r.image.height() <= files::MaxPicturePixels);
    } else {
        FUZZ_CHECK(r.image.isNull() && !r.reason.isEmpty());
    }
    if (r.status == files::PictureStatus::TooLarge)
        FUZZ_CHECK(qint64(r.size.width()) * r.size.height() > files::MaxPicturePixels);
    return 0;
}
