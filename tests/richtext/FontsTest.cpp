// Document font names, the faces that stand in for them, and measurement.
#include "platform/fonts/FontCatalog.h"
#include "platform/fonts/FontFallback.h"
#include "platform/fonts/LoadedFace.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/TextLayout.h"
#include "platform/text/TextMeasure.h"

#include <QFileInfo>
#include <QSet>
#include <gtest/gtest.h>

TEST(FontCatalog, DocumentNamesMapToIpaFaces)
{
    struct Case {
        const char16_t* name;
        const char* file;
    };
    const Case cases[] = {
        {u"ＭＳ 明朝", "ipam.ttf"},       {u"ＭＳ Ｐ明朝", "ipamp.ttf"},
        {u"ＭＳ ゴシック", "ipag.ttf"},   {u"ＭＳ Ｐゴシック", "ipagp.ttf"},
        {u"ＭＳ　明朝", "ipam.ttf"},      {u"MS Pゴシック", "ipagp.ttf"},
        {u"@ＭＳ ゴシック", "ipag.ttf"},  {u"IPAPMincho", "ipamp.ttf"},
        {u"IPAゴシック", "ipag.ttf"},     {u"Arial", "ipam.ttf"},
        {u"", "ipam.ttf"},
        // Other installed fonts are used as themselves, by either name.
        {u"IPAmjMincho", "ipamjm.ttf"},   {u"青柳衡山フォントT", "AoyagiKouzanT.ttf"},
        {u"KouzanBrushFont", "kouzan-mouhitsu.ttf"}, {u"AoyagiSosekiFont2", "aoyagi-soseki.ttf"},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        const fonts::Face f = fonts::resolve(name);
        EXPECT_EQ(QFileInfo(f.file).fileName(), QString::fromLatin1(c.file)) << name.toStdString();
        EXPECT_EQ(f.fallback, QString::fromLatin1(c.file) == QLatin1String("ipam.ttf")
                                  && !name.contains(QStringLiteral("明朝")))
            << name.toStdString();
    }
    EXPECT_EQ(fonts::baseName(QStringLiteral("@ＭＳ 明朝")), QStringLiteral("ＭＳ 明朝"));
    EXPECT_TRUE(fonts::isVerticalName(QStringLiteral("@ＭＳ 明朝")));
}

// The lists offer the document names, then each Japanese font once under its
// Japanese name, then the rest; the font dialog adds the vertical forms of
// the Japanese names before the rest.
TEST(FontCatalog, ListsOfferJapaneseNamesFirstAndEachFamilyOnce)
{
    const QStringList documentNames = {QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ Ｐ明朝"),
                                       QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ Ｐゴシック")};
    const QStringList japanese = {QStringLiteral("IPA明朝"), QStringLiteral("IPA Pゴシック"),
                                  QStringLiteral("IPAmj明朝"), QStringLiteral("青柳衡山フォントT"),
                                  QStringLiteral("衡山毛筆フォント"), QStringLiteral("青柳疎石フォント2")};
    const QString latin = QStringLiteral("DejaVu Sans");
    const QStringList offered = fonts::japaneseFontNames();
    const QStringList dialog = fonts::fontDialogNames();
    EXPECT_EQ(offered.mid(0, 4), documentNames);
    EXPECT_EQ(dialog.mid(0, 4), documentNames);
    EXPECT_EQ(QSet<QString>(offered.begin(), offered.end()).size(), offered.size()) << "each name once";
    for (const QString& name : japanese) {
        EXPECT_GT(offered.indexOf(name), 3) << name.toStdString();
        EXPECT_LT(offered.indexOf(name), offered.indexOf(latin)) << name.toStdString();
        EXPECT_LT(dialog.indexOf(u'@' + name), dialog.indexOf(latin)) << name.toStdString();
        EXPECT_GT(dialog.indexOf(u'@' + name), dialog.indexOf(name)) << name.toStdString();
        EXPECT_FALSE(fonts::resolve(name).fallback) << name.toStdString();
    }
    EXPECT_LT(dialog.indexOf(QStringLiteral("@ＭＳ 明朝")), dialog.indexOf(latin));
    EXPECT_GT(dialog.indexOf(QStringLiteral("@ＭＳ 明朝")), dialog.indexOf(QStringLiteral("青柳衡山フォントT")));
    for (const char* english : {"IPAMincho", "AoyagiKouzanFontT", "KouzanBrushFont", "IPAmjMincho"}) {
        EXPECT_FALSE(offered.contains(QString::fromUtf8(english))) << english;
        EXPECT_FALSE(dialog.contains(QString::fromUtf8(english))) << english;
    }
    EXPECT_FALSE(dialog.contains(u'@' + latin));
    EXPECT_EQ(offered.filter(QStringLiteral("@")), QStringList());
}

TEST(TextMeasure, WidthsComeFromDesignUnits)
{
    const QString mincho = QStringLiteral("ＭＳ 明朝");
    EXPECT_NEAR(measure::textWidthMm(QStringLiteral("　"), mincho, 4), 4 * 25.4 / 72, 1e-12);
    EXPECT_NEAR(measure::textWidthMm(QStringLiteral(" "), mincho, 10), 5 * 25.4 / 72, 1e-12);
    EXPECT_NEAR(measure::textWidthMm(QStringLiteral("御中元"), mincho, 10.5), 3 * 10.5 * 25.4 / 72, 1e-12);
    EXPECT_EQ(measure::textWidthMm(QString(), mincho, 10), 0.0);
    EXPECT_EQ(measure::textWidthMm(QStringLiteral("寿"), mincho, 20, true),
              measure::textWidthMm(QStringLiteral("寿"), mincho, 20, false));
    EXPECT_NEAR(measure::textHeightMm(QStringLiteral("　"), mincho, 72), 25.4, 0.5);
}

TEST(TextMeasure, ColumnPitchIsTheExtentRoundedUpToWhole96DpiPixels)
{
    // The layout measures "　" in design units (4 pt: 1.411 mm); the box
    // advances a column by that height rounded up to whole 1/96 inches, so a
    // 4-pt spacer line moves the next column the 1.5875 mm the layout counts.
    struct Case {
        double size;
        int px; // ceil(size * 96 / 72)
    };
    const Case cases[] = {{4, 6}, {10, 14}, {10.5, 14}, {36, 48}, {100, 134}};
    for (const QString& font : {QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ Ｐゴシック")}) {
        for (const Case& c : cases) {
            rt::RichTextBox box;
            box.setVertical(true);
            box.setSelFontName(font);
            box.setSelFontSize(c.size);
            box.clear();
            box.setSelText(QStringLiteral("寿 a"));
            const rt::TextLayout layout(box.document(), 100, 200, 200, true);
            ASSERT_EQ(layout.lines().size(), 1);
            EXPECT_NEAR(layout.lines()[0].rectMm.width(), c.px * 25.4 / 96, 1e-9)
                << font.toStdString() << " " << c.size;
        }
    }
}

TEST(FontFallback, ACharacterTheChosenFontLacksIsDrawnInAnInstalledFontThatHasIt)
{
    const fonts::LoadedFace* mincho = fonts::loadedFace(QStringLiteral("ＭＳ 明朝"));
    ASSERT_NE(mincho, nullptr);
    // 𠮷 (U+20BB7), the "tsuchi-yoshi" of personal names: IPAmj Mincho has it, IPA Mincho not.
    const fonts::LoadedFace* yoshi = fonts::faceDrawing(mincho, 0x20BB7);
    ASSERT_NE(yoshi, nullptr);
    EXPECT_EQ(QFileInfo(yoshi->file()).fileName(), QStringLiteral("ipamjm.ttf"));
    for (char32_t own : {U'田', U'髙', U'﨑', U'　', U'\r'})
        EXPECT_EQ(fonts::faceDrawing(mincho, own), mincho) << uint32_t(own);

    // Laid out in a vertical column: the name keeps its font, 𠮷 gets a real glyph.
    rt::RichTextBox box;
    box.setVertical(true);
    box.setSelFontName(QStringLiteral("ＭＳ 明朝"));
    box.setSelFontSize(20);
    box.setSelText(QString::fromUcs4(U"山田𠮷"));
    const rt::TextLayout layout(box.document(), 100, 100, 100, true);
    QStringList files;
    for (const rt::LaidLine& line : layout.lines())
        for (const rt::GlyphRun& run : line.runs) {
            files << QFileInfo(run.face->file()).fileName();
            for (quint32 g : run.glyphs)
                EXPECT_NE(g, 0u) << "an empty box would be drawn";
        }
    EXPECT_EQ(files, QStringList({QStringLiteral("ipam.ttf"), QStringLiteral("ipamjm.ttf")}));
}

TEST(FontFallback, CharactersNoInstalledFontHasAreNamedOnce)
{
    // U+10FFFD is a private character no font carries; blanks, line ends and
    // a variation selector need no glyph of their own.
    const QString text = QString::fromUcs4(U"山田\U0010FFFD　𠮷\r\n葛\U000E0100\U0010FFFD");
    EXPECT_EQ(fonts::charsNoFontHas(text), QString::fromUcs4(U"\U0010FFFD"));
    EXPECT_TRUE(fonts::charsNoFontHas(QStringLiteral("御中元　山田太郎")).isEmpty());
    const QString message = fonts::missingCharsMessage(QString::fromUcs4(U"\U0010FFFD"));
    EXPECT_TRUE(message.contains(QStringLiteral("U+10FFFD")));
}

// A kanji with a variation selector is drawn in a face that has that exact
// form. The sequences were read from the fonts' cmaps: IPAmj Mincho has
// 辻 U+8FBB U+E0102 (glyph 26795; plain 辻 is glyph 26796) and 塚 U+585A
// U+FE00 (glyph 31033; plain 10935); IPA Mincho has no sequences at all;
// no installed font has 辻 U+E0100 or 𠮷 U+E0100.
TEST(FontFallback, AVariationSequenceIsDrawnInAFaceThatHasIt)
{
    const fonts::LoadedFace* mincho = fonts::loadedFace(QStringLiteral("ＭＳ 明朝"));
    const fonts::LoadedFace* mj = fonts::loadedFace(QStringLiteral("IPAmjMincho"));
    ASSERT_NE(mincho, nullptr);
    ASSERT_NE(mj, nullptr);
    struct Case {
        const char32_t* cluster;
        const fonts::LoadedFace* chosen;
        const char* file;
    };
    const Case cases[] = {
        {U"辻\U000E0102", mincho, "ipamjm.ttf"}, // the chosen face lacks the form
        {U"塚\uFE00", mincho, "ipamjm.ttf"},
        {U"辻\U000E0102", mj, "ipamjm.ttf"},     // the chosen face has it
        {U"辻\U000E0100", mincho, "ipam.ttf"},   // no face has it: the chosen face's 辻
        {U"𠮷\U000E0100", mincho, "ipamjm.ttf"}, // nor the base: where the base is
        {U"辻", mincho, "ipam.ttf"},
        {U"塚", mincho, "ipam.ttf"},
    };
    for (const Case& c : cases) {
        const QString cluster = QString::fromUcs4(c.cluster);
        const fonts::LoadedFace* face = fonts::faceDrawing(c.chosen, cluster);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(QFileInfo(face->file()).fileName(), QString::fromLatin1(c.file))
            << cluster.toStdString() << " chosen " << QFileInfo(c.chosen->file()).fileName().toStdString();
    }

    // In a vertical name the variant gets its own run with its own glyph;
    // the plain characters around it keep the chosen face, and every
    // character, the selector too, is on the line.
    rt::RichTextBox box;
    box.setVertical(true);
    box.setSelFontName(QStringLiteral("ＭＳ 明朝"));
    box.setSelFontSize(20);
    const QString name = QString::fromUcs4(U"辻\U000E0102本辻\U000E0100塚");
    box.setSelText(name);
    const rt::TextLayout layout(box.document(), 100, 100, 100, true);
    QStringList files;
    QList<quint32> mjGlyphs;
    qsizetype positions = 0;
    for (const rt::LaidLine& line : layout.lines()) {
        positions += line.length;
        for (const rt::GlyphRun& run : line.runs) {
            files << QFileInfo(run.face->file()).fileName();
            if (run.face == mj)
                mjGlyphs << QList<quint32>(run.glyphs.begin(), run.glyphs.end());
            for (quint32 g : run.glyphs)
                EXPECT_NE(g, 0u) << "an empty box would be drawn";
        }
    }
    EXPECT_EQ(files, QStringList({QStringLiteral("ipamjm.ttf"), QStringLiteral("ipam.ttf")}));
    ASSERT_FALSE(mjGlyphs.isEmpty());
    EXPECT_EQ(mjGlyphs[0], 26795u);
    EXPECT_FALSE(mjGlyphs.contains(26796u)) << "the plain form instead of the variant";
    EXPECT_EQ(positions, name.size());
}
