#include "platform/settings/IniText.h"

#include "common/ThreadCpuTime.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace settings::ini;

namespace {

// The document as plain data, for comparison (sections without entries are
// not written, so they are left out).
std::vector<std::pair<QString, std::vector<std::pair<QString, QString>>>> flat(const Document& d)
{
    std::vector<std::pair<QString, std::vector<std::pair<QString, QString>>>> out;
    for (const Section& s : d.sections()) {
        if (s.entries().empty())
            continue;
        out.emplace_back(s.name(), std::vector<std::pair<QString, QString>>{});
        for (const Entry& e : s.entries())
            out.back().second.emplace_back(e.key, e.value);
    }
    return out;
}

// Characters the format treats specially, and some it must leave alone.
const QString Alphabet = QStringLiteral(" \t\r\n=;#[]\"\\a0　表\u00a0\ufeff") + QChar(0) + QChar(0x5BFF);

QString randomText(QRandomGenerator& rng, int minLen, int maxExtra)
{
    QString s;
    const int n = minLen + int(rng.bounded(maxExtra + 1));
    for (int i = 0; i < n; ++i)
        s += Alphabet.at(rng.bounded(int(Alphabet.size())));
    return s;
}

} // namespace

// Whatever the program stores comes back exactly, in the same order and
// spelling, and reads without a damaged line.
TEST(IniText, AnyDocumentRoundTrips)
{
    QRandomGenerator rng(31);
    for (int round = 0; round < 300; ++round) {
        Document doc;
        const int sections = 1 + int(rng.bounded(3));
        for (int s = 0; s < sections; ++s) {
            Section& sec = doc.ensure(randomText(rng, 1, 5));
            const int keys = 1 + int(rng.bounded(6));
            for (int k = 0; k < keys; ++k)
                sec.set(randomText(rng, 1, 6), randomText(rng, 0, 8));
        }
        const QByteArray bytes = serialise(doc);
        const Parsed back = parse(bytes);
        ASSERT_EQ(back.firstBadLine, 0) << bytes.toStdString();
        ASSERT_EQ(flat(back.doc), flat(doc)) << bytes.toStdString();
    }
}

// Whatever a file holds (edited by hand, cut short, garbage), what was read
// is written so that it reads back the same and cleanly.
TEST(IniText, WhatWasReadIsWrittenBackUnchanged)
{
    QRandomGenerator rng(932);
    const QByteArray pieces[] = {"[", "]", "=", "\\", " ", "\t", "\r", "\n", "\"", ";", "#", "a", "\xEF\xBB\xBF",
                                 "\xE8\xA1\xA8", "\xFF", "Settings", "\\ ", "\\n", "\\="};
    for (int round = 0; round < 2000; ++round) {
        QByteArray file = "[S]\n";
        const int n = int(rng.bounded(30));
        for (int i = 0; i < n; ++i)
            file += pieces[rng.bounded(int(std::size(pieces)))];
        const Parsed first = parse(file);
        const QByteArray written = serialise(first.doc);
        const Parsed second = parse(written);
        ASSERT_EQ(second.firstBadLine, 0) << file.toStdString();
        ASSERT_EQ(flat(second.doc), flat(first.doc)) << file.toStdString();
        ASSERT_EQ(serialise(second.doc), written);
    }
}

TEST(IniText, HandEditedLinesReadAsMeant)
{
    struct Case {
        QByteArray line;     // below a "[S]" line
        QString key, value;  // empty key: the line is damaged
    } const cases[] = {
        {"Font = IPAMincho  ", "Font", "IPAMincho"},
        {"\tFont=\t", "Font", ""},
        {"Blanks=\"  x \"", "Blanks", "  x "},            // older files quote edge blanks
        {"Quote=\\\"x\"", "Quote", "\"x\""},
        {"\\ =one blank", " ", "one blank"},               // a key of one blank
        {"\\  \\ =two", "   ", "two"},
        {"   =1", "", ""},                                 // no key at all
        {"=1", "", ""},
        {"\xEF\xBB\xBFkey=bom", QStringLiteral("\ufeffkey"), "bom"}, // only the file's own mark is dropped
        {"a\\=b=c=d", "a=b", "c=d"},
        {"trail\\\\=x\\", "trail\\", "x\\"},
        {"全角=　値　", QStringLiteral("全角"), QStringLiteral("　値　")}, // a full-width blank is text
        {"no equals", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const Parsed p = parse("\xEF\xBB\xBF[S]\r\n" + c.line + "\r\n");
        ASSERT_NE(p.doc.find("s"), nullptr); // the file's mark is not part of the section's name
        if (c.key.isEmpty()) {
            EXPECT_EQ(p.firstBadLine, 2);
            EXPECT_TRUE(p.doc.find("S")->entries().empty());
            continue;
        }
        EXPECT_EQ(p.firstBadLine, 0);
        const Entry* e = p.doc.find("S")->find(c.key);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->value, c.value);
        const Parsed again = parse(serialise(p.doc));
        EXPECT_EQ(again.firstBadLine, 0);
        EXPECT_EQ(flat(again.doc), flat(p.doc));
    }
}

TEST(IniText, KeysAndSectionsIgnoreCaseAndKeepFirstSpelling)
{
    const Parsed p = parse("[Settings]\nFontName=a\n[SETTINGS]\nfontname=b\nÄrger=1\närger=2\n");
    ASSERT_EQ(p.doc.sections().size(), 1u);
    const Section& s = p.doc.sections().front();
    ASSERT_EQ(s.entries().size(), 2u);
    EXPECT_EQ(s.entries()[0].key, QStringLiteral("FontName"));
    EXPECT_EQ(s.entries()[0].value, QStringLiteral("b"));
    EXPECT_EQ(s.find(QStringLiteral("ÄRGER"))->value, QStringLiteral("2"));
}

TEST(IniText, TenThousandKeysReadAndWriteInLinearTime)
{
    QByteArray file = "[Settings]\n";
    for (int i = 0; i < 10000; ++i)
        file += "Key" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\n";
    const double started = testing_support::threadCpuMs();
    Parsed p = parse(file);
    Section* s = p.doc.find("settings");
    ASSERT_NE(s, nullptr);
    for (int i = 0; i < 10000; ++i)
        s->set("KEY" + QString::number(i), QStringLiteral("new"));
    const QByteArray out = serialise(p.doc);
    EXPECT_LT(testing_support::threadCpuMs() - started, 500);
    EXPECT_EQ(s->entries().size(), 10000u);
    EXPECT_TRUE(out.startsWith("[Settings]\nKey0=new\nKey1=new\n"));
}
