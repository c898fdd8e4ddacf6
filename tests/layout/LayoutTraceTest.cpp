// The trace format the layout tests and the trace tool print.
#include "common/LayoutTrace.h"
#include "platform/richtext/RichTextBox.h"

#include <gtest/gtest.h>

namespace {

TEST(LayoutTrace, MergesRunsByKindAndFormat)
{
    rt::RichTextBox box;
    box.setSelFontName("ＭＳ 明朝");
    box.setSelFontSize(4);
    box.setSelText("\r\n\r\n");
    box.setSelFontSize(1.41);
    box.setSelText("\r\n");
    box.setSelFontSize(10.5);
    box.setSelText("  ");
    box.setSelText(" ");
    box.setSelFontName("ＭＳ ゴシック");
    box.setSelBold(true);
    box.setSelColor(0x0000FF); // red in the low byte
    box.setSelText("御　祝 x");
    box.setSelText("\r\n");
    box.insertObject(std::make_shared<rt::EmbeddedObject>());
    box.setSelText("end");
    EXPECT_EQ(traceBox(box.document()).toStdString(),
              "BL 2 ＭＳ 明朝 4\n"
              "BL 1 ＭＳ 明朝 1.41\n"
              "SP 3 ＭＳ 明朝 10.5\n"
              "TX \"御　祝\" ＭＳ ゴシック 10.5 b=1 c=FF0000\n"
              "SP 1 ＭＳ ゴシック 10.5\n"
              "TX \"x\" ＭＳ ゴシック 10.5 b=1 c=FF0000\n"
              "EC ＭＳ ゴシック 10.5\n"
              "OB picture\n"
              "TX \"end\" ＭＳ ゴシック 10.5 b=1 c=FF0000\n");
    EXPECT_EQ(traceBox(rt::RichDocument()), "");
    EXPECT_EQ(traceSize(12.0), "12");
    EXPECT_EQ(traceSize(1.587502), "1.59");
}

} // namespace
