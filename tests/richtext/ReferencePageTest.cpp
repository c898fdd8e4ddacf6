// A small rendered page compared with a reference picture that was checked
// by eye: vertical columns, turned half-width text, bold, colour, underline,
// strike-through and a framed placeholder object.
#include "BoxWriting.h"

#include <gtest/gtest.h>

namespace {

constexpr double Dpm = 8; // about 200 dpi keeps the picture small

using boxtest::write;

QImage referencePage()
{
    rt::RichTextBox box;
    boxtest::verticalPage(box, 40, 60, 2);
    write(box, QStringLiteral(" "), 10);
    write(box, QStringLiteral("御中元「寿」。\r\n"), 20);
    write(box, QStringLiteral("\r\n"), 4);
    box.setSelBold(true);
    box.setSelColor(0x000000C0); // red
    write(box, QStringLiteral("山田 Ab12"), 14, QStringLiteral("ＭＳ ゴシック"));
    box.setSelBold(false);
    box.setSelColor(0);
    box.setSelText(QStringLiteral("\r\n"));
    box.setSelUnderline(true);
    write(box, QStringLiteral("下線"), 12);
    box.setSelUnderline(false);
    box.setSelStrikeThru(true);
    box.setSelText(QStringLiteral("取消"));
    box.setSelStrikeThru(false);
    auto frame = std::make_shared<rt::EmbeddedObject>();
    frame->sizeMm = QSizeF(4, 6);
    frame->metafilePlaceholder = true;
    box.insertObject(frame);

    return boxtest::renderToImage(box, Dpm);
}

} // namespace

TEST(RenderReference, SmallVerticalPageMatchesThePictureCheckedByEye)
{
    const QImage page = referencePage();
    const QString refPath = QStringLiteral(NOSHI_TEST_FIXTURES "/richtext/vertical_page.png");
    if (qEnvironmentVariableIsSet("NOSHI_WRITE_REFERENCE"))
        page.save(refPath);
    QImage ref(refPath);
    ASSERT_FALSE(ref.isNull()) << "missing " << refPath.toStdString();
    ref = ref.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(ref.size(), page.size());
    // Anti-aliasing may differ a little between builds of the rasteriser:
    // count clearly different pixels only.
    int differing = 0, inked = 0;
    for (int y = 0; y < ref.height(); ++y) {
        for (int x = 0; x < ref.width(); ++x) {
            const QRgb a = ref.pixel(x, y), b = page.pixel(x, y);
            if (qGray(a) < 200)
                ++inked;
            const int d = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
            if (d > 96)
                ++differing;
        }
    }
    EXPECT_GT(inked, 1000);
    EXPECT_LT(differing, inked / 50) << differing << " of " << inked << " inked pixels differ";
}
