// Typing into a long vertical page: one keystroke, the relayout it causes
// and the repaint of the view, on pages of 300 and 3,000 columns of ten
// characters. Target: well under a frame (16 ms) at any length, so typing
// shows no lag: the growth from 300 to 3,000 columns should stay far below 10.
#include "platform/richtext/RichTextEdit.h"
#include "platform/richtext/TextLayout.h"
#include "common/BenchMain.h"
#include "common/HugePng.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

struct LongPage {
    rt::RichTextEdit edit;
    explicit LongPage(int columns)
    {
        rt::RichTextBox* box = edit.box();
        box->setVertical(true);
        box->setWidthMm(columns * 4.0 + 20);
        box->setHeightMm(120);
        box->setSelFontSize(10);
        // Every column a different text, as a real page has.
        QString text;
        for (int i = 0; i < columns; ++i)
            text += QStringLiteral("御中元山田太郎%1様\r\n").arg(i, 3, 10, QChar(u'0'));
        box->setSelText(text);
        box->setSelStart(columns / 2 * 13); // the middle of the page
        edit.clearUndo();
        edit.resize(800, 500);
        edit.show();
        edit.setFocus();
        edit.ensureCaretVisible();
        QApplication::processEvents();
    }
    void key(Qt::Key k, const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
        QApplication::sendEvent(&edit, &press);
    }
};

void BM_KeystrokeRelayoutRepaint(benchmark::State& state)
{
    LongPage page(int(state.range(0)));
    bool type = true;
    char16_t next = 0x4E00;
    for (auto _ : state) {
        // Type a character never typed before (so no shaping is reused for
        // its column) and take it back, so the page stays the same size.
        if (type)
            page.key(Qt::Key_unknown, QString(QChar(next++)));
        else
            page.key(Qt::Key_Backspace, QStringLiteral("\b"));
        type = !type;
        page.edit.viewport()->repaint();
    }
}

void BM_CaretMoveRepaint(benchmark::State& state)
{
    LongPage page(int(state.range(0)));
    bool down = true;
    for (auto _ : state) {
        page.key(down ? Qt::Key_Down : Qt::Key_Up, QString());
        down = !down;
        page.edit.viewport()->repaint();
    }
}

void BM_FullLayout(benchmark::State& state)
{
    LongPage page(int(state.range(0)));
    const rt::RichTextBox& box = *page.edit.box();
    for (auto _ : state) {
        rt::TextLayout layout(box.document(), box.widthMm(), box.heightMm(), box.wrapLengthMm(), true);
        benchmark::DoNotOptimize(layout.extentMm());
    }
}

// The same keystroke on a page that shows a photograph of n megapixels
// (colour that does not compress, as a photograph's): the picture is
// decoded once, so the repaint stays within a frame whatever its size.
void BM_KeystrokeBesidePicture(benchmark::State& state)
{
    const auto side = uint32_t(std::sqrt(double(state.range(0)) * 1e6));
    LongPage page(20);
    auto pic = std::make_shared<rt::EmbeddedObject>();
    pic->png = hugePng(side, side, PngPixels::Noise);
    pic->sizeMm = QSizeF(100, 100);
    page.edit.box()->insertObject(pic);
    page.edit.viewport()->repaint();
    bool type = true;
    for (auto _ : state) {
        if (type)
            page.key(Qt::Key_unknown, QStringLiteral("様"));
        else
            page.key(Qt::Key_Backspace, QStringLiteral("\b"));
        type = !type;
        page.edit.viewport()->repaint();
    }
}

BENCHMARK(BM_KeystrokeRelayoutRepaint)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaretMoveRepaint)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullLayout)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeBesidePicture)->Arg(1)->Arg(12)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
