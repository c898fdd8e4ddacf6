// Loading and saving about 1 MB of rich text: a document of our own writer
// (\uN text, formats, a picture) and a rich-edit style file (\'hh text).
#include "platform/richtext/Rtf.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

rt::RichDocument sampleDocument(qsizetype targetBytes)
{
    rt::RichDocument doc;
    doc.paragraphs.clear();
    QImage img(200, 150, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    auto pic = std::make_shared<rt::EmbeddedObject>();
    pic->png = png;
    pic->sizeMm = QSizeF(40, 30);

    const QString lines[] = {QStringLiteral("御中元"), QStringLiteral("山田　太郎"),
                             QStringLiteral("株式会社　①㈱髙橋商店　ｶﾌﾞｼｷｶﾞｲｼｬ"),
                             QStringLiteral("東京都千代田区丸の内一丁目　Tel 03-1234-5678")};
    qsizetype approx = 2 * png.size();
    for (int i = 0; approx < targetBytes; ++i) {
        rt::Paragraph p;
        rt::CharFormat f;
        f.size = 8 + i % 20;
        f.bold = i % 3 == 0;
        f.color = i % 5 ? 0 : 0x00C0C0C0;
        f.fontName = i % 2 ? QStringLiteral("@ＭＳ 明朝") : QStringLiteral("ＭＳ Ｐゴシック");
        p.items.append(rt::Inline{lines[i % 4], f, nullptr});
        f.offset = 1.5;
        p.items.append(rt::Inline{lines[(i + 1) % 4], f, nullptr});
        if (i % 2000 == 0)
            p.items.append(rt::Inline{QString(), f, pic});
        p.mark.size = i % 7 ? 10 : 4;
        approx += (lines[i % 4].size() + lines[(i + 1) % 4].size()) * 11 + 30;
        doc.paragraphs.append(p);
    }
    return doc;
}

QByteArray richEditStyle(qsizetype targetBytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\fnil\\fcharset128 "
                     "\\'82\\'6c\\'82\\'72 \\'96\\'be\\'92\\'a9;}}\r\n{\\colortbl ;\\red192\\green192\\blue192;}\r\n"
                     "\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs20 ";
    const QByteArray line = "\\fs8\\par\r\n\\fs40\\b \\'8c\\'e4\\'92\\'86\\'8c\\'b3\\b0\\par\r\n"
                            "\\cf1\\fs20 \\'8e\\'52\\'93\\'63\\'81\\'40\\'91\\'be\\'98\\'59 abc\\cf0\\par\r\n";
    while (rtf.size() < targetBytes)
        rtf += line;
    rtf += "}\r\n";
    return rtf;
}

constexpr qsizetype kSize = 1 << 20;

void BM_WriteOwn(benchmark::State& state)
{
    const rt::RichDocument doc = sampleDocument(kSize);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray out = rt::writeRtf(doc);
        bytes = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.counters["bytes"] = double(bytes);
}

void readLoop(benchmark::State& state, const QByteArray& rtf)
{
    for (auto _ : state) {
        rt::RichDocument doc;
        if (!rt::readRtf(rtf, doc))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(doc.paragraphs.size());
    }
    state.counters["bytes"] = double(rtf.size());
}

void BM_ReadOwn(benchmark::State& state)
{
    readLoop(state, rt::writeRtf(sampleDocument(kSize)));
}

void BM_ReadRichEdit(benchmark::State& state)
{
    readLoop(state, richEditStyle(kSize));
}

} // namespace

BENCHMARK(BM_WriteOwn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOwn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRichEdit)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
