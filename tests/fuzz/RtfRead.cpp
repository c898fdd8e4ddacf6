// The RTF reader: any bytes are read or refused with a message.
#include "FuzzSupport.h"
#include "platform/richtext/Rtf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    rt::RichDocument doc;
    rt::RtfInfo info;
    QString error;
    if (!rt::readRtf(fuzzBytes(data, size), doc, &info, &error))
        FUZZ_CHECK(!error.isEmpty());
    return 0;
}
