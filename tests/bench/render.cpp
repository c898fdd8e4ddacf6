// Laying out and drawing a typical noshi page: an inscription box and a name
// box with about 150 short paragraphs between them, mostly 4-point blank
// lines, as the layout writes them. Target: under 20 ms a page.
#include "platform/richtext/Render.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

constexpr double PageWidthMm = 210, PageHeightMm = 297;

void write(rt::RichTextBox& box, const QString& text, double size)
{
    box.setSelFontName(QStringLiteral("ＭＳ 明朝"));
    box.setSelFontSize(size);
    box.setSelText(text);
}

void fillBox(rt::RichTextBox& box, int blankLines, const QStringList& columns, double size)
{
    box.setVertical(true);
    box.setWidthMm(PageWidthMm);
    box.setHeightMm(PageHeightMm / 2);
    box.clear();
    for (int i = 0; i < blankLines; ++i)
        write(box, QStringLiteral("\r\n"), 4);
    for (const QString& c : columns) {
        write(box, QStringLiteral("     "), 10);
        write(box, c, size);
        box.setSelText(QStringLiteral("\r\n"));
        write(box, QStringLiteral("\r\n\r\n\r\n"), 4);
    }
}

struct Page {
    rt::RichTextBox omote, name;
    Page()
    {
        fillBox(omote, 60, {QStringLiteral("御中元")}, 48);
        fillBox(name, 55, {QStringLiteral("株式会社山田商事"), QStringLiteral("代表取締役"), QStringLiteral("山田太郎")}, 24);
    }
    void draw(QPainter& p, double dpm) const
    {
        rt::render(omote, p, QRectF(0, 0, PageWidthMm * dpm, PageHeightMm / 2 * dpm), dpm);
        rt::render(name, p, QRectF(0, PageHeightMm / 2 * dpm, PageWidthMm * dpm, PageHeightMm / 2 * dpm), dpm);
    }
};

void BM_LayoutPage(benchmark::State& state)
{
    Page page;
    for (auto _ : state) {
        rt::TextLayout a(page.omote.document(), PageWidthMm, PageHeightMm / 2, PageHeightMm / 2, true);
        rt::TextLayout b(page.name.document(), PageWidthMm, PageHeightMm / 2, PageHeightMm / 2, true);
        benchmark::DoNotOptimize(a.extentMm() + b.extentMm());
    }
}

// Laying out anew and drawing onto a 600-dpi page (an A4 picture of the
// printer's resolution, allocated once as a printer's page is).
void BM_RenderPage600dpi(benchmark::State& state)
{
    Page page;
    const double dpm = 600 / 25.4;
    QImage img(int(PageWidthMm * dpm), int(PageHeightMm * dpm), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    for (auto _ : state) {
        page.omote.setWidthMm(PageWidthMm + 1e-9 * (state.iterations() % 2)); // drops the cached layout
        page.name.setWidthMm(PageWidthMm + 1e-9 * (state.iterations() % 2));
        QPainter p(&img);
        page.draw(p, dpm);
    }
}

void BM_RenderPagePdf(benchmark::State& state)
{
    Page page;
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&out);
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        page.omote.setWidthMm(PageWidthMm + 1e-9 * (state.iterations() % 2));
        page.name.setWidthMm(PageWidthMm + 1e-9 * (state.iterations() % 2));
        QPainter p(&pdf);
        page.draw(p, 600 / 25.4);
        p.end();
        benchmark::DoNotOptimize(out.data().size());
    }
}

BENCHMARK(BM_LayoutPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPage600dpi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPagePdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
