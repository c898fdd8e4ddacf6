// Work that must grow linearly with the text, each timed at n and 10n:
// writing a box paragraph by paragraph as the layout does (one edit block,
// a format set before every write), and laying out one long paragraph that
// wraps onto thousands of columns.
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/TextLayout.h"
#include "common/BenchMain.h"

namespace {

void BM_WriteBoxByParagraphs(benchmark::State& state)
{
    const int paragraphs = int(state.range(0));
    for (auto _ : state) {
        rt::RichTextBox box;
        box.setVertical(true);
        {
            rt::EditBlock page(box);
            for (int i = 0; i < paragraphs; ++i) {
                box.setSelFontName(QStringLiteral("ＭＳ 明朝"));
                box.setSelFontSize(i % 3 == 0 ? 4 : 10);
                box.setSelText(i % 3 == 0 ? QStringLiteral("\r\n") : QStringLiteral("御中元\r\n"));
            }
        }
        benchmark::DoNotOptimize(box.document().paragraphs.size());
    }
}
BENCHMARK(BM_WriteBoxByParagraphs)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond);

void BM_LayOutOneLongParagraph(benchmark::State& state)
{
    rt::RichTextBox box;
    box.setVertical(true);
    box.setHeightMm(120);
    box.setSelFontSize(10);
    box.setSelText(QStringLiteral("御中元山田太郎様").repeated(state.range(0) / 8));
    for (auto _ : state) {
        rt::TextLayout layout(box.document(), box.widthMm(), box.heightMm(), box.wrapLengthMm(), true);
        benchmark::DoNotOptimize(layout.extentMm());
    }
}
BENCHMARK(BM_LayOutOneLongParagraph)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
