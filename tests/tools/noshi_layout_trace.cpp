// noshi_layout_trace: one page through the layout engine alone, over the fake
// window host: no main window, no dispatcher, no preview. Prints both boxes
// in the trace format of noshi_trace, the last ColumnIndent, every value the
// layout wrote back into the windows and, when it ended early, its message.
//   noshi_layout_trace case.json
// The case names the parameter set and what the windows hold. A file
// "set.json" beside it, when there is one, gives the fields every case of
// that folder starts from; the case's own fields replace them one by one.
//   "why"          how the expected trace was worked out (not read)
//   "set"          member name, e.g. "LayoutNoshiMedium" (required)
//   "flags"        list of flag names: the set runs with exactly these on
//   "values"       {"FieldName": n, ...}: number fields of the set replaced
//   "boldPersonSize" seven sizes of the bold person's name, for 4 letters or
//                  fewer, 5, 6, 7, 8, 9 and 10 or more
//   "width"        page width in mm (100)
//   "template"     template key, for the sets that read it ("")
//   "omoteSizes"   the template row's four inscription sizes ([48, 44, 40, 32])
//   "offsets"      {"x", "omote", "name"}: the registered offsets (0)
//   "font"         print font ("ＭＳ Ｐ明朝", which tells text runs from blanks)
//   "nameStyle"    "１行印刷" (default), "２行印刷", "連名印刷", or "" for none
//   "inscription" ("御祝"), "name", "shoulderRight", "shoulderLeft",
//   "twoLineRight", "twoLineLeft", "furigana", "postcode", "address1",
//   "address2", "tel", "fax", "company", "title", "person", "personMax",
//   "jointNames" (list), "jointCount" (text; the number of names by default),
//   "knot" ("蝶結び", "結び切り"), "spacing" ("標　準", "狭い"),
//   "omoteSize", "nameSize" ("標準", "大きめ", "小さめ", "特大"),
//   "omoteBold", "nameBold"
// Exit status: 0 laid out, 1 the layout ended with a message, 2 bad input.
#include "../layout/LayoutTestSupport.h"
#include "common/SheetJson.h"
#include "layout/ParameterFields.h"
#include "model/NameStyle.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>
#include <cstdio>

namespace {

using sheet::BadSheet;

const QStringList CaseFields = {
    "why", "set", "flags", "values", "boldPersonSize", "width", "template", "omoteSizes", "offsets", "font", "nameStyle",
    "inscription", "name", "shoulderRight", "shoulderLeft", "twoLineRight", "twoLineLeft", "furigana",
    "postcode", "address1", "address2", "tel", "fax", "company", "title", "person", "personMax",
    "jointNames", "jointCount", "knot", "spacing", "omoteSize", "nameSize", "omoteBold", "nameBold"};

QJsonObject readCase(const QString& path)
{
    QJsonObject o;
    const QString setFile = QFileInfo(path).dir().filePath(QStringLiteral("set.json"));
    if (QFileInfo::exists(setFile) && QFileInfo(setFile) != QFileInfo(path))
        o = sheet::read(setFile);
    const QJsonObject own = sheet::read(path);
    for (auto it = own.begin(); it != own.end(); ++it)
        o[it.key()] = it.value();
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!CaseFields.contains(it.key()))
            throw BadSheet{QStringLiteral("unknown field \"%1\"").arg(it.key())};
    return o;
}

layout::TemplateParameterSet parameterSet(const QJsonObject& o)
{
    const QString name = sheet::text(o, "set");
    const layout::TemplateParameterSet* member = layout::findLayoutMember(name);
    if (!member)
        throw BadSheet{QStringLiteral("unknown set \"%1\"").arg(name)};
    layout::TemplateParameterSet p = *member;
    if (o.contains("flags")) {
        if (!o["flags"].isArray())
            throw BadSheet{QStringLiteral("\"flags\" must be a list of flag names")};
        p.Flags = {};
        for (const QJsonValue& v : o["flags"].toArray()) {
            const layout::NamedFlag* f = layout::findFlag(v.toString());
            if (!f)
                throw BadSheet{QStringLiteral("unknown flag \"%1\"").arg(v.toString())};
            p.Flags.*f->flag = true;
        }
    }
    if (o.contains("values")) {
        if (!o["values"].isObject())
            throw BadSheet{QStringLiteral("\"values\" must be an object of field names and numbers")};
        const QJsonObject values = o["values"].toObject();
        for (auto it = values.begin(); it != values.end(); ++it) {
            const layout::NamedNumberField* f = layout::findNumberField(it.key());
            if (!f)
                throw BadSheet{QStringLiteral("unknown number field \"%1\"").arg(it.key())};
            p.*f->field = int16_t(sheet::number(values, it.key()));
        }
    }
    if (o.contains("boldPersonSize")) {
        const QJsonArray sizes = o["boldPersonSize"].toArray();
        if (!o["boldPersonSize"].isArray() || sizes.size() != 7)
            throw BadSheet{QStringLiteral("\"boldPersonSize\" must be a list of seven sizes")};
        layout::BoldPersonSizeTable& t = p.BoldPersonSize;
        int16_t* rows[] = {&t.Len4OrLess, &t.Len5, &t.Len6, &t.Len7, &t.Len8, &t.Len9, &t.Long};
        for (int i = 0; i < 7; ++i)
            *rows[i] = int16_t(sizes[i].toInt());
    }
    return p;
}

layout::SizeOption sizeOption(const QJsonObject& o, const QString& key)
{
    const int i = sheet::choice(o, key, {"標準", "大きめ", "小さめ", "特大"});
    using S = layout::SizeOption;
    const S options[] = {S::Standard, S::Larger, S::Smaller, S::Extra};
    return i < 0 ? S::Standard : options[i];
}

QStringList textList(const QJsonObject& o, const QString& key, int most)
{
    QStringList out;
    if (!o.contains(key))
        return out;
    if (!o[key].isArray() || o[key].toArray().size() > most)
        throw BadSheet{QStringLiteral("\"%1\" must be a list of up to %2 texts").arg(key).arg(most)};
    for (const QJsonValue& v : o[key].toArray()) {
        if (!v.isString())
            throw BadSheet{QStringLiteral("\"%1\" must hold texts").arg(key)};
        out << v.toString();
    }
    return out;
}

void fill(LayoutPage& page, const QJsonObject& o)
{
    using sheet::flag;
    using sheet::number;
    using sheet::text;
    FakeLayoutHost& h = page.host;
    page.in.LayoutWidth = int16_t(o.contains("width") ? number(o, "width") : 100);
    page.in.TemplateKey = text(o, "template");
    while (!page.in.TemplateKey.isEmpty() && page.in.TemplateKey.size() < 7)
        page.in.TemplateKey.append(QChar(0x3000));
    if (o.contains("omoteSizes")) {
        const QJsonArray sizes = o["omoteSizes"].toArray();
        if (!o["omoteSizes"].isArray() || sizes.size() != 4)
            throw BadSheet{QStringLiteral("\"omoteSizes\" must be a list of four sizes")};
        for (int i = 0; i < 4; ++i)
            h.rowSizes[size_t(i)] = int16_t(sizes[i].toInt());
    }
    if (o.contains("offsets")) {
        const QJsonObject off = o["offsets"].toObject();
        for (auto it = off.begin(); it != off.end(); ++it)
            if (!QStringList{"x", "omote", "name"}.contains(it.key()))
                throw BadSheet{QStringLiteral("unknown offset \"%1\"").arg(it.key())};
        page.in.CurOffsetX = int16_t(number(off, "x"));
        page.in.CurOffsetOmote = int16_t(number(off, "omote"));
        page.in.CurOffsetName = int16_t(number(off, "name"));
    }
    h.printFont = text(o, "font", h.printFont);
    if (o.contains("nameStyle")) {
        const QString style = text(o, "nameStyle");
        h.style = app::nameStyleOf(style);
        if (h.style == app::NameStyle::None && !style.isEmpty())
            throw BadSheet{QStringLiteral("\"nameStyle\": unknown value \"%1\"").arg(style)};
    }
    h.omote = text(o, "inscription", h.omote);
    h.name = text(o, "name");
    h.titleRight = text(o, "shoulderRight");
    h.titleLeft = text(o, "shoulderLeft");
    h.twoLineRight = text(o, "twoLineRight");
    h.twoLineLeft = text(o, "twoLineLeft");
    h.kana = text(o, "furigana");
    h.postal = text(o, "postcode");
    h.address[0] = text(o, "address1");
    h.address[1] = text(o, "address2");
    h.phone = text(o, "tel");
    h.faxText = text(o, "fax");
    h.company = text(o, "company");
    h.title = text(o, "title");
    h.person = text(o, "person");
    h.personMax = number(o, "personMax");
    const QStringList names = textList(o, "jointNames", 7);
    for (int i = 0; i < names.size(); ++i)
        h.joint[size_t(i + 1)] = names[i];
    h.jointCount = text(o, "jointCount", QString::number(std::max<qsizetype>(1, names.size())));
    h.bow = sheet::choice(o, "knot", {"蝶結び", "結び切り"}) != 1;
    h.narrow = sheet::choice(o, "spacing", {"標　準", "狭い"}) == 1;
    h.omoteSize = sizeOption(o, "omoteSize");
    h.nameSize = sizeOption(o, "nameSize");
    h.oBold = flag(o, "omoteBold");
    h.nBold = flag(o, "nameBold");
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    sheet::usePrivateFolders(home.path());
    QApplication qapp(argc, argv);
    if (argc != 2) {
        std::fputs("usage: noshi_layout_trace case.json\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    LayoutPage page;
    layout::TemplateParameterSet member;
    try {
        const QJsonObject o = readCase(path);
        member = parameterSet(o);
        fill(page, o);
    } catch (const BadSheet& e) {
        std::fprintf(stderr, "noshi_layout_trace: %s: %s\n", qPrintable(path), qPrintable(e.what));
        return 2;
    }
    const layout::LayoutResult result = page.run(member);

    QString out = QStringLiteral("box1:\n") + page.omote() + QStringLiteral("box2:\n") + page.name();
    out += QStringLiteral("ColumnIndent %1\n").arg(int(page.ctx.ColumnIndent));
    for (const QString& w : page.host.writes)
        out += QStringLiteral("WRITE ") + w + u'\n';
    if (!result.ok())
        out += QStringLiteral("ENDED %1: %2\n")
                   .arg(result.status == layout::LayoutResult::Status::InvalidInput ? "invalid input" : "aborted",
                        result.message);
    std::fputs(out.toUtf8().constData(), stdout);
    return result.ok() ? 0 : 1;
}
