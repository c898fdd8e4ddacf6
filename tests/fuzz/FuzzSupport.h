// Shared by the fuzz entry points: each file defines LLVMFuzzerTestOneInput
// and is built twice, with libFuzzer (clang, sanitizers) for fuzzing and
// with ReplayMain.cpp for the tests, which feed it every corpus file.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property that must hold for every input; a failure aborts, which both
// libFuzzer and the replay report with the input that caused it.
#define FUZZ_CHECK(cond)                                                                        \
    do {                                                                                        \
        if (!(cond)) {                                                                          \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)

inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Writes the bytes as the file `name` in a folder kept for the run, for the
// entries that read files the way the program does; its path.
QString fuzzFile(const QString& name, const QByteArray& bytes);

// Starts the Qt core once (picture decoding and text codecs want it), or the
// graphical application where fuzzNeedsGui() says so (fonts, painting).
void fuzzInitialise();
// Defined by FuzzCore.cpp or FuzzGui.cpp, whichever the entry links.
bool fuzzNeedsGui();
