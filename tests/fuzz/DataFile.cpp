// The data file of registered sizes: any bytes read (damaged or not), and
// what was read is written so that it reads back cleanly to the same lines
// (write → read → write gives the same file).
#include "FuzzSupport.h"
#include "model/DataFile.h"
#include "platform/text/Cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    app::LiveStore first;
    app::ReadDataFileBytes(first, fuzzBytes(data, size), QStringLiteral("fuzz"));
    const QStringList lines = app::dataFileLines(first);
    cp932::Error err;
    const QByteArray written = cp932::encodeLines(lines, &err);
    // Text that was read from the code page can always be written to it.
    FUZZ_CHECK(!err.failed);
    app::LiveStore second;
    const app::DataFileResult r = app::ReadDataFileBytes(second, written, QStringLiteral("fuzz"));
    FUZZ_CHECK(r.ok);
    const QStringList again = app::dataFileLines(second);
    for (qsizetype i = 0; i < qMin(again.size(), lines.size()); ++i)
        if (again[i] != lines[i])
            std::fprintf(stderr, "line %lld: \"%s\" then \"%s\"\n", qlonglong(i + 1), qPrintable(lines[i]),
                         qPrintable(again[i]));
    FUZZ_CHECK(again == lines);
    FUZZ_CHECK(cp932::encodeLines(app::dataFileLines(second)) == written);
    return 0;
}
