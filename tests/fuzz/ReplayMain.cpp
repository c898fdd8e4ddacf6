// Feeds files to a fuzz entry point without libFuzzer: every file named, and
// every file in every folder named. Used by the tests to replay the corpora.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int*, char***);

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int fed = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QFile::decodeName(argv[i]);
        QStringList files;
        if (QFileInfo(arg).isDir()) {
            QDirIterator it(arg, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
            files.sort();
        } else {
            files << arg;
        }
        for (const QString& f : files) {
            QFile in(f);
            if (!in.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(f));
                return 2;
            }
            const QByteArray bytes = in.readAll();
            std::fprintf(stderr, "%s\n", qPrintable(f)); // the last name shown is the culprit of a crash
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            ++fed;
        }
    }
    std::printf("%d inputs replayed\n", fed);
    return fed > 0 ? 0 : 1;
}
