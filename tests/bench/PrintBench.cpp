// Printing one landscape noshi sheet to a PDF file: from the laid-out boxes
// to the closed file, through the page printer and the Qt printer backend.
#include "platform/print/Printer.h"
#include "platform/print/QtPrinterBackend.h"
#include "platform/richtext/RichTextBox.h"
#include "print/PagePrintHost.h"
#include "print/PagePrinter.h"
#include "common/BenchMain.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class BenchHost : public noshi::PagePrintHost {
public:
    BenchHost()
    {
        s.PaperWidth = 297;
        s.PaperHeight = 210;
        s.LayoutWidth = 210;
        s.MainCopies = "1";
        fill(omote, "御中元", 36);
        fill(name, "\r\n\r\n株式会社　空紅商事\r\n代表取締役社長　山田太郎", 18);
    }
    noshi::PagePrintSettings printSettings() const override { return s; }
    rt::RichTextBox& omoteBox() override { return omote; }
    rt::RichTextBox& nameBox() override { return name; }
    rt::RichTextBox& companyNameBox() override { return company; }
    rt::RichTextBox& bulkLabelBox() override { return bulk; }
    void setStatusText(const QString&) override {}
    void setProgressValue(double) override {}

    noshi::PagePrintSettings s;
    rt::RichTextBox omote, name, company, bulk;

private:
    static void fill(rt::RichTextBox& box, const QString& text, double points)
    {
        box.setVertical(true);
        box.setWidthMm(210);
        box.setHeightMm(105);
        box.setRightMarginMm(105);
        box.setSelFontName("ＭＳ 明朝");
        box.setSelFontSize(points);
        box.setSelText(text);
    }
};

void BM_PrintLandscapeSheetToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchHost host;
    for (auto _ : state) {
        prn::Printer printer(prn::QtPrinterBackend::forPdf(dir.path() + "/sheet.pdf"));
        const auto result = noshi::PrintNoshiLandscape(host, printer);
        if (!result.error.isEmpty())
            state.SkipWithError("the PDF could not be written");
    }
}
BENCHMARK(BM_PrintLandscapeSheetToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
