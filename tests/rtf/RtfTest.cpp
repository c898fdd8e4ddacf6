// Reading and writing rich text: round trips through our own writer, files
// in the form Windows rich-edit controls and word processors write, and
// damaged input.
#include "platform/richtext/Rtf.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace rt;

namespace {

QByteArray fixture(const char* name)
{
    QFile f(QStringLiteral(NOSHI_TEST_FIXTURES "/rtf/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "missing fixture " << name;
    return f.readAll();
}

CharFormat fmt(double size, const QString& font = QStringLiteral("ＭＳ 明朝"))
{
    CharFormat f;
    f.size = size;
    f.fontName = font;
    return f;
}

Inline run(const QString& text, const CharFormat& f)
{
    Inline i;
    i.text = text;
    i.format = f;
    return i;
}

Inline objectItem(std::shared_ptr<EmbeddedObject> o, const CharFormat& f = CharFormat())
{
    Inline i;
    i.object = std::move(o);
    i.format = f;
    return i;
}

Paragraph para(QVector<Inline> items, const CharFormat& mark)
{
    Paragraph p;
    p.items = std::move(items);
    p.mark = mark;
    return p;
}

RichDocument docOf(QVector<Paragraph> paragraphs)
{
    RichDocument d;
    d.paragraphs = std::move(paragraphs);
    return d;
}

QByteArray pngOf(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return out;
}

QByteArray imageBytes(const QImage& img, const char* format)
{
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    img.save(&b, format);
    return out;
}

RichDocument readOk(const QByteArray& rtf, RtfInfo* info = nullptr)
{
    RichDocument d;
    QString err;
    EXPECT_TRUE(readRtf(rtf, d, info, &err)) << err.toStdString();
    return d;
}

QString dump(const RichDocument& d)
{
    QString s;
    for (const Paragraph& p : d.paragraphs) {
        for (const Inline& i : p.items)
            s += i.isObject() ? QStringLiteral("[obj]")
                              : QStringLiteral("<%1 %2%3>%4")
                                    .arg(i.format.fontName)
                                    .arg(i.format.size)
                                    .arg(i.format.bold ? "b" : "")
                                    .arg(i.text);
        s += QStringLiteral(" |%1 %2\n").arg(p.mark.fontName).arg(p.mark.size);
    }
    return s;
}

} // namespace

// One document that carries every property a box stores, written and read back.
TEST(RtfRoundTrip, KeepsTextFormatsMarksPicturesAndObjects)
{
    CharFormat bold = fmt(28, QStringLiteral("@ＭＳ Ｐ明朝"));
    bold.bold = true;
    bold.color = 0x00C0C0C0;
    CharFormat deco = fmt(10.5, QStringLiteral("IPAGothic"));
    deco.italic = deco.underline = deco.strike = true;
    deco.color = 0x000000FF;
    deco.offset = 3;
    CharFormat low = deco;
    low.offset = -1.5;
    low.underline = false;
    CharFormat odd = fmt(12, QStringLiteral("Font;with{braces}\\"));
    const CharFormat trail = fmt(9, QStringLiteral("表ソ＋×"));  // trail bytes 0x5C, 0x7B and 0x7D

    auto pic = std::make_shared<EmbeddedObject>();
    pic->png = pngOf(3, 2, Qt::red);
    pic->sizeMm = QSizeF(10, 20);
    auto obj = std::make_shared<EmbeddedObject>();
    obj->kind = EmbeddedObject::Kind::Object;
    obj->objectClass = QStringLiteral("Word.Document.8");
    obj->objectData = QByteArray("\x00\x01\xff{}\\ raw", 10);
    obj->png = pngOf(2, 2, Qt::blue);
    obj->sizeMm = QSizeF(30, 10);
    auto meta = std::make_shared<EmbeddedObject>();
    meta->metafilePlaceholder = true;
    meta->objectClass = QStringLiteral("emfblip");
    meta->objectData = QByteArray("\x01\x00\x00\x00 emf", 8);
    meta->sizeMm = QSizeF(40, 50);

    const RichDocument doc = docOf({
        para({}, fmt(4)), // an empty spacer line at 4 points
        para({run(QStringLiteral("御中元"), bold)}, bold),
        para({}, fmt(4)),
        para({run(QStringLiteral("山田　太郎①㈱髙ｶﾅ𠮷〜"), fmt(20)),
              run(QStringLiteral("a\\b{c}d;\te"), deco), run(QStringLiteral("ｘ"), low)},
             fmt(8)),
        para({objectItem(pic, deco), run(QStringLiteral("間"), fmt(10)), objectItem(obj), objectItem(meta)},
             fmt(10)),
        para({run(QStringLiteral("名前"), odd)}, odd),
        para({run(QStringLiteral("x"), trail)}, trail),
        para({}, fmt(4)), // a trailing empty line survives
    });
    const QByteArray rtf = writeRtf(doc);
    const RichDocument back = readOk(rtf);
    EXPECT_TRUE(back == doc) << dump(back).toStdString() << "\n---\n" << dump(doc).toStdString();
    // The written file declares what word processors need to read Japanese.
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg932"));
    EXPECT_TRUE(rtf.contains("\\fcharset128 \\'82\\'6c\\'82\\'72 \\'96\\'be\\'92\\'a9;}"));
    EXPECT_TRUE(rtf.contains("{\\object\\objemb{\\*\\objclass Word.Document.8}"));
    EXPECT_TRUE(rtf.contains("{\\result {\\pict\\pngblip"));
}

TEST(RtfRoundTrip, EmptyDocumentKeepsItsMark)
{
    RichDocument doc;
    doc.paragraphs[0].mark = fmt(4);
    EXPECT_TRUE(readOk(writeRtf(doc)) == doc);
}

// A reader that ignores \uN reads the fallback: it must give the same text.
TEST(RtfWrite, CodePageFallbackMatchesTheText)
{
    const QString text = QStringLiteral("表示　ソ能①㈱髙ﾊﾝｶｸ~\\");
    const QByteArray rtf = writeRtf(docOf({para({run(text, fmt(10))}, fmt(10))}));
    static const QRegularExpression uWord(QStringLiteral("\\\\uc?-?\\d+ ?"));
    const QString stripped = QString::fromLatin1(rtf).remove(uWord);
    const RichDocument back = readOk(stripped.toLatin1());
    ASSERT_EQ(back.paragraphs.size(), 1);
    EXPECT_EQ(back.plainText(), text);
}

TEST(RtfRead, RichEditFixture)
{
    const RichDocument d = readOk(fixture("richedit_basic.rtf"));
    ASSERT_EQ(d.paragraphs.size(), 5) << dump(d).toStdString();
    const QString mincho = QStringLiteral("ＭＳ 明朝");
    EXPECT_TRUE(d.paragraphs[0].items.isEmpty());
    EXPECT_EQ(d.paragraphs[0].mark.size, 4);
    EXPECT_EQ(d.paragraphs[0].mark.fontName, mincho);
    ASSERT_EQ(d.paragraphs[1].items.size(), 1);
    EXPECT_EQ(d.paragraphs[1].items[0].text, QStringLiteral("御中元"));
    EXPECT_EQ(d.paragraphs[1].items[0].format.fontName, QStringLiteral("@ＭＳ Ｐ明朝"));
    EXPECT_EQ(d.paragraphs[1].items[0].format.size, 20);
    EXPECT_EQ(d.paragraphs[2].mark.size, 4);
    const Inline& name = d.paragraphs[3].items[0];
    EXPECT_EQ(name.text, QStringLiteral("山田　太郎"));
    EXPECT_TRUE(name.format.bold);
    EXPECT_EQ(name.format.color, 0x00C0C0C0u);
    EXPECT_EQ(d.paragraphs[3].mark.size, 10);
    EXPECT_FALSE(d.paragraphs[3].mark.bold);
    // Remaining runs of the line: decoration, offsets, other code pages.
    QVector<std::tuple<QString, bool, double, QString>> expected{
        {QStringLiteral("①㈱髙"), true, 0, mincho},
        {QStringLiteral("ｶﾅ"), false, 3, mincho},
        {QStringLiteral("x"), false, -2, mincho},
        {QStringLiteral("\t"), false, 0, mincho},
        {QStringLiteral("café 𠮷"), false, 0, QStringLiteral("Arial")},
        {QStringLiteral("{\\}"), false, 0, mincho},
    };
    const Paragraph& line = d.paragraphs[4];
    ASSERT_EQ(line.items.size(), expected.size()) << dump(d).toStdString();
    for (int k = 0; k < expected.size(); ++k) {
        const Inline& it = line.items[k];
        const auto& [text, underline, offset, font] = expected[k];
        EXPECT_EQ(it.text, text) << k;
        EXPECT_EQ(it.format.underline, underline) << k;
        EXPECT_EQ(it.format.offset, offset) << k;
        EXPECT_EQ(it.format.fontName, font) << k;
    }
    EXPECT_EQ(line.items[0].format.color, 0x000000FFu);
    EXPECT_TRUE(line.items[0].format.italic);
    EXPECT_TRUE(line.items[5].format.strike);
}

TEST(RtfRead, WordProcessorFixture)
{
    RtfInfo info;
    const RichDocument d = readOk(fixture("word_style.rtf"), &info);
    ASSERT_EQ(d.paragraphs.size(), 3) << dump(d).toStdString();
    EXPECT_EQ(info.vertical, std::optional<bool>(true));
    ASSERT_EQ(d.paragraphs[0].items.size(), 1);
    EXPECT_EQ(d.paragraphs[0].items[0].text, QStringLiteral("御歳"));
    EXPECT_EQ(d.paragraphs[0].items[0].format.fontName, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(d.paragraphs[0].items[0].format.size, 14);
    EXPECT_EQ(d.paragraphs[0].mark.fontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(d.paragraphs[0].mark.size, 10.5);
    // A field shows its result, not its instruction.
    ASSERT_EQ(d.paragraphs[1].items.size(), 1);
    EXPECT_EQ(d.paragraphs[1].items[0].text, QStringLiteral("link"));
    EXPECT_EQ(d.paragraphs[1].items[0].format.color, 0x00FF0000u);
    EXPECT_TRUE(d.paragraphs[1].items[0].format.underline);
    // The shape picture is taken, its metafile copy for old readers is not.
    ASSERT_EQ(d.paragraphs[2].items.size(), 1);
    const auto& pic = d.paragraphs[2].items[0].object;
    ASSERT_TRUE(pic);
    EXPECT_FALSE(pic->metafilePlaceholder);
    EXPECT_EQ(QImage::fromData(pic->png).size(), QSize(2, 1));
    EXPECT_NEAR(pic->sizeMm.width(), 300 / 56.7, 1e-9);
    EXPECT_NEAR(pic->sizeMm.height(), 150 / 56.7, 1e-9);
    EXPECT_EQ(d.paragraphs[2].mark.size, 4);
}

TEST(RtfRead, ObjectsKeepTheirDataAndResultPicture)
{
    const RichDocument d = readOk(fixture("objects.rtf"));
    ASSERT_EQ(d.paragraphs.size(), 2) << dump(d).toStdString();
    ASSERT_EQ(d.paragraphs[0].items.size(), 2);
    EXPECT_EQ(d.paragraphs[0].items[0].text, QStringLiteral("特選"));
    const auto word = d.paragraphs[0].items[1].object;
    ASSERT_TRUE(word);
    EXPECT_EQ(word->kind, EmbeddedObject::Kind::Object);
    EXPECT_EQ(word->objectClass, QStringLiteral("Word.Document.8"));
    EXPECT_EQ(word->objectData.toHex(),
              QByteArray("01050000020000000f000000576f72642e446f63756d656e742e3800"
                         "0000000000000000000400"
                         "00d0cf11e0a1b11ae1"));
    EXPECT_TRUE(word->metafilePlaceholder); // its result is a metafile
    EXPECT_NEAR(word->sizeMm.width(), 50, 1e-9);
    const auto paint = d.paragraphs[1].items[0].object;
    ASSERT_TRUE(paint);
    EXPECT_EQ(paint->objectData, QByteArray("\x0a\x0b\x0c"));
    EXPECT_EQ(QImage::fromData(paint->png).size(), QSize(2, 1));
    EXPECT_NEAR(paint->sizeMm.width(), 10, 1e-9);
    // Data and result survive our own writing.
    const RichDocument back = readOk(writeRtf(d));
    EXPECT_EQ(back.paragraphs[0].items[1].object->objectData, word->objectData);
    EXPECT_EQ(back.paragraphs[1].items[0].object->png, paint->png);
}

// Picture formats a \pict group may carry, and the sizes RTF gives them.
TEST(RtfRead, PictureFormatsAndSizes)
{
    QImage img(4, 3, QImage::Format_RGB32);
    img.fill(Qt::green);
    const QByteArray bmp = imageBytes(img, "BMP");
    struct Case {
        const char* name;
        QByteArray words;
        QByteArray data;
        bool drawable;
        QSizeF mm;
    } cases[] = {
        {"png goal", "\\pngblip\\picw4\\pich3\\picwgoal567\\pichgoal1134", imageBytes(img, "PNG"), true, {10, 20}},
        {"png pixels only", "\\pngblip", imageBytes(img, "PNG"), true, {4 * 15 / 56.7, 3 * 15 / 56.7}},
        {"jpeg scaled", "\\jpegblip\\picwgoal567\\pichgoal567\\picscalex50\\picscaley200", imageBytes(img, "JPG"), true, {5, 20}},
        {"dib", "\\dibitmap0\\picw4\\pich3", bmp.mid(14), true, {4 * 15 / 56.7, 3 * 15 / 56.7}},
        {"wmf", "\\wmetafile8\\picw1000\\pich500", QByteArray("\x01\x00\x09\x00", 4), false, {10, 5}},
        {"damaged dib", "\\dibitmap0\\picwgoal567\\pichgoal567", QByteArray(40, '\x7f'), false, {10, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray rtf = "{\\rtf1\\ansi{\\pict" + c.words + " " + c.data.toHex() + "}\\par}";
        const RichDocument d = readOk(rtf);
        ASSERT_EQ(d.paragraphs.size(), 1);
        ASSERT_EQ(d.paragraphs[0].items.size(), 1);
        const auto& o = d.paragraphs[0].items[0].object;
        ASSERT_TRUE(o);
        EXPECT_EQ(o->metafilePlaceholder, !c.drawable);
        if (c.drawable)
            EXPECT_EQ(QImage::fromData(o->png, "PNG").size(), QSize(4, 3));
        else
            EXPECT_EQ(o->objectData, c.data); // kept to be written back
        EXPECT_NEAR(o->sizeMm.width(), c.mm.width(), 1e-6);
        EXPECT_NEAR(o->sizeMm.height(), c.mm.height(), 1e-6);
    }
}

// \uN and its fallback under each \ucN, as other writers produce them.
TEST(RtfRead, UnicodeFallbackSkipping)
{
    const struct {
        QByteArray body;
        QString text;
    } cases[] = {
        {"\\uc1\\u12354\\'82\\'a0x", QStringLiteral("あx")},  // one character counted for two bytes
        {"\\uc2\\u12354\\'82\\'a0x", QStringLiteral("あx")},  // bytes counted
        {"\\uc0\\u12354 x", QStringLiteral("あx")},
        {"\\u12354?x", QStringLiteral("あx")},
        {"\\uc2\\u12354?", QStringLiteral("あ")},             // the group's end ends the fallback
        {"{\\uc2\\u-3?}?", QStringLiteral("\uFFFD?")},       // \uc is the group's
        {"\\u12354\\par x", QStringLiteral("あx")},           // a control word is one character
        {"\\'82\\'a0\\'82", QString()},                      // a lead byte without its trail
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body.toStdString());
        RichDocument d;
        QString err;
        const bool ok = readRtf("{\\rtf1\\ansi\\ansicpg932 " + c.body + "}", d, &err);
        if (c.text.isNull()) {
            EXPECT_FALSE(ok);
            EXPECT_FALSE(err.isEmpty());
            continue;
        }
        ASSERT_TRUE(ok) << err.toStdString();
        EXPECT_EQ(d.paragraphs[0].items.value(0).text, c.text);
    }
}

TEST(RtfRead, DamagedInputFailsAndLeavesTheDocument)
{
    const QByteArray good = fixture("richedit_basic.rtf");
    const struct {
        const char* name;
        QByteArray data;
    } cases[] = {
        {"empty", ""},
        {"not rtf", "Hello, world"},
        {"plain text with brace", "{hello}"},
        {"truncated", good.left(good.size() / 2)},
        {"truncated after backslash", "{\\rtf1 abc\\"},
        {"truncated escape", "{\\rtf1 abc\\'8"},
        {"bad escape", "{\\rtf1 abc\\'zz}"},
        {"bad sjis", "{\\rtf1\\ansi\\ansicpg932 \\'a0}"},
        {"bin past end", "{\\rtf1 {\\pict\\bin999999 abc}}"},
        {"deep nesting", "{\\rtf1 " + QByteArray(100000, '{') + QByteArray(100000, '}') + "}"},
    };
    RichDocument doc = docOf({para({run(QStringLiteral("前の内容"), fmt(10))}, fmt(10))});
    const RichDocument before = doc;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString err;
        EXPECT_FALSE(readRtf(c.data, doc, &err));
        EXPECT_FALSE(err.isEmpty());
        EXPECT_TRUE(doc == before);
    }
}

TEST(RtfRead, NestingWithinTheLimitLoads)
{
    const int depth = 200;
    const QByteArray rtf = "{\\rtf1 " + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + "}";
    EXPECT_EQ(readOk(rtf).plainText(), QStringLiteral("deep"));
}

TEST(RtfRead, SpecialCharactersAndBreaks)
{
    const RichDocument d = readOk("{\\rtf1\\ansi a\\tab b\\~c\\emdash\\lquote d\\rquote\\-e\\line f\\par}");
    // A line break starts a new line of the box, which is a paragraph here.
    EXPECT_EQ(d.plainText(), QStringLiteral("a\tb\u00A0c\u2014\u2018d\u2019e\r\nf"));
}
