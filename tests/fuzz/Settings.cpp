// The settings file: any bytes read; what was read is written so that it
// reads back cleanly to the same sections, keys and values, and the
// written text is then stable.
#include "FuzzSupport.h"
#include "platform/settings/IniText.h"

using namespace settings::ini;

namespace {

bool same(const Document& a, const Document& b)
{
    std::vector<const Section*> x, y;
    for (const Section& s : a.sections())
        if (!s.entries().empty())
            x.push_back(&s);
    for (const Section& s : b.sections())
        if (!s.entries().empty())
            y.push_back(&s);
    if (x.size() != y.size())
        return false;
    for (size_t i = 0; i < x.size(); ++i) {
        if (x[i]->name() != y[i]->name() || x[i]->entries().size() != y[i]->entries().size())
            return false;
        for (size_t k = 0; k < x[i]->entries().size(); ++k) {
            const Entry& e = x[i]->entries()[k];
            const Entry& f = y[i]->entries()[k];
            if (e.key != f.key || e.value != f.value)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Parsed first = parse(fuzzBytes(data, size));
    const QByteArray written = serialise(first.doc);
    const Parsed second = parse(written);
    FUZZ_CHECK(second.firstBadLine == 0);
    FUZZ_CHECK(same(first.doc, second.doc));
    FUZZ_CHECK(serialise(second.doc) == written);
    return 0;
}
