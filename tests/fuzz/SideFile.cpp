// The side file beside a saved part: any bytes read; what was read and can be
// written must read back, and writing that again gives the same bytes.
#include "FuzzSupport.h"
#include "preview/SideFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzInitialise();
    const auto first = preview::parseSideFile(fuzzBytes(data, size));
    if (!first)
        return 0;
    const auto written = preview::sideFileBytes(*first);
    if (!written)
        return 0;
    const auto second = preview::parseSideFile(*written);
    FUZZ_CHECK(second.has_value());
    FUZZ_CHECK(second->templateKey == first->templateKey);
    const auto again = preview::sideFileBytes(*second);
    FUZZ_CHECK(again.has_value() && *again == *written);
    return 0;
}
