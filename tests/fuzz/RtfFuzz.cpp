// Random mutation of RTF files fed to the reader. Every input must either be
// read or be refused with a message; whatever is read must survive being
// written and read again. Seeded and bounded, so a run is repeatable:
//   fuzz_rtf [--seconds S] [--iterations N] [--seed X] [--corpus DIR]
// A failing input is saved as fuzz-failure-<seed>-<n>.rtf in the folder
// the program runs in.
#include "platform/richtext/Rtf.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <cstdio>
#include <random>

namespace {

const char* const kTokens[] = {
    "{", "}", "\\", "\\'", "\\'82", "\\'a0", "\\'8", "\\u", "\\u-1", "\\u12354?", "\\uc0", "\\uc2",
    "\\uc9999", "\\bin", "\\bin5 ", "\\bin99999999 ", "{\\pict\\pngblip ", "{\\pict\\dibitmap0\\picw9 ",
    "{\\pict\\jpegblip ", "{\\pict\\wmetafile8\\picwgoal-5 ", "{\\object{\\*\\objdata ", "{\\result ",
    "{\\*\\objclass ", "\\par", "\\line", "\\plain", "\\fs-99999999999", "\\f99", "\\cf999", "\\up",
    "\\dn2147483647", "{\\fonttbl{\\f0\\fcharset128 ", "{\\colortbl;\\red300;", "\\*", "{\\*\\x ",
    "0123456789abcdef", "28000000", "ffd8ffe0", "89504e470d0a1a0a", ";", " ", "\r\n", "\\~", "\\-",
};

struct Seeds {
    QVector<QByteArray> items;
};

Seeds loadSeeds(const QString& dir)
{
    Seeds s;
    const QDir d(dir);
    for (const QString& name : d.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name)) {
        QFile f(d.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            s.items.append(f.readAll());
    }
    // A document of our own writer's making joins the corpus.
    rt::RichDocument doc;
    rt::CharFormat big;
    big.size = 28;
    big.bold = true;
    doc.paragraphs[0].items.append(rt::Inline{QStringLiteral("御中元　①𠮷ｶﾅ{\\}"), big, nullptr});
    doc.paragraphs.append(rt::Paragraph{});
    doc.paragraphs.last().mark.size = 4;
    s.items.append(rt::writeRtf(doc));
    return s;
}

class Mutator {
public:
    explicit Mutator(quint64 seed) : rng_(seed) {}

    QByteArray mutate(const QByteArray& base, const Seeds& seeds)
    {
        QByteArray m = base;
        const int count = 1 + pick(8);
        for (int i = 0; i < count; ++i) {
            const qsizetype n = m.size();
            const qsizetype at = n ? pick(n) : 0;
            switch (pick(8)) {
            case 0:
                if (n)
                    m[at] = char(m[at] ^ (1 << pick(8)));
                break;
            case 1:
                if (n)
                    m[at] = char(pick(256));
                break;
            case 2:
                m.insert(at, kTokens[pick(std::size(kTokens))]);
                break;
            case 3:
                m.remove(at, 1 + pick(16));
                break;
            case 4: { // repeat a slice, which builds deep nesting and long runs
                const QByteArray slice = m.mid(at, 1 + pick(64));
                const int times = 1 + pick(pick(2) ? 4 : 2000);
                QByteArray rep;
                for (int k = 0; k < times && rep.size() < (1 << 20); ++k)
                    rep += slice;
                m.insert(at, rep);
                break;
            }
            case 5:
                m.truncate(at);
                break;
            case 6: { // splice another seed in
                const QByteArray& other = seeds.items[pick(seeds.items.size())];
                const qsizetype from = other.isEmpty() ? 0 : pick(other.size());
                m.insert(at, other.mid(from, 1 + pick(256)));
                break;
            }
            default:
                if (n)
                    m[at] = "{}\\;'0 a"[pick(8)];
                break;
            }
        }
        return m;
    }

private:
    qsizetype pick(qsizetype n) { return n > 0 ? qsizetype(rng_() % quint64(n)) : 0; }
    std::mt19937_64 rng_;
};

// What must survive our own writing (sizes in millimetres pass through
// whole twips and may move by a rounding step).
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

bool check(const QByteArray& input, QString& why)
{
    rt::RichDocument doc;
    QString err;
    if (!rt::readRtf(input, doc, &err)) {
        if (err.isEmpty()) {
            why = QStringLiteral("refused without a message");
            return false;
        }
        return true;
    }
    rt::RichDocument again;
    if (!rt::readRtf(rt::writeRtf(doc), again, &err)) {
        why = QStringLiteral("own output refused: ") + err;
        return false;
    }
    if (signature(doc) != signature(again)) {
        why = QStringLiteral("changed by writing:\n") + signature(doc) + QStringLiteral("\n---\n") + signature(again);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false")); // damaged pictures are expected
    double seconds = 20;
    qint64 iterations = -1;
    quint64 seed = 1;
    QString corpus = QStringLiteral(NOSHI_TEST_FIXTURES "/rtf");
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--seconds"))
            seconds = args[i + 1].toDouble();
        else if (args[i] == QLatin1String("--iterations"))
            iterations = args[i + 1].toLongLong();
        else if (args[i] == QLatin1String("--seed"))
            seed = args[i + 1].toULongLong();
        else if (args[i] == QLatin1String("--corpus"))
            corpus = args[i + 1];
    }
    const Seeds seeds = loadSeeds(corpus);
    Mutator mutator(seed);
    QElapsedTimer clock;
    clock.start();
    qint64 n = 0, accepted = 0;
    for (; (iterations < 0 || n < iterations) && clock.elapsed() < seconds * 1000; ++n) {
        const QByteArray& base = seeds.items[n % seeds.items.size()];
        const QByteArray input = mutator.mutate(base, seeds);
        QString why;
        if (!check(input, why)) {
            const QString file = QStringLiteral("fuzz-failure-%1-%2.rtf").arg(seed).arg(n);
            QFile f(file);
            if (f.open(QIODevice::WriteOnly))
                f.write(input);
            std::fprintf(stderr, "input %lld (seed %llu) failed: %s\nsaved as %s\n", qlonglong(n),
                         qulonglong(seed), qPrintable(why), qPrintable(file));
            return 1;
        }
        rt::RichDocument probe;
        accepted += rt::readRtf(input, probe) ? 1 : 0;
    }
    std::printf("%lld inputs, %lld read, %lld refused, %.1f s\n", qlonglong(n), qlonglong(accepted),
                qlonglong(n - accepted), clock.elapsed() / 1000.0);
    return 0;
}
