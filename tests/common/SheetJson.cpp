// A noshi sheet described in JSON, shared by the test tools: reading it and
// setting the main window's and input windows' fields from it as a user would.
#include "common/SheetJson.h"

#include "app/InputWindows.h"
#include "app/NoshiMain.h"
#include "model/LiveStore.h"
#include "model/TemplateCatalogue.h"
#include "platform/forms/Controls.h"
#include "platform/services/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QRadioButton>

namespace sheet {

namespace {

const QStringList SheetFields = {"template", "width", "height", "nameStyle", "inscription", "name", "shoulderRight",
                                 "shoulderLeft", "twoLineRight", "twoLineLeft", "furigana", "postcode", "postcodeMark",
                                 "address1", "address2", "tel", "telMark", "fax", "faxMark", "company", "title",
                                 "person", "jointNames", "knot", "spacing", "omoteSize", "nameSize", "omoteBold",
                                 "nameBold", "thinInk", "offsets", "font"};

} // namespace

QString text(const QJsonObject& o, const QString& key, const QString& fallback)
{
    if (!o.contains(key))
        return fallback;
    if (!o[key].isString())
        throw BadSheet{QStringLiteral("\"%1\" must be a text").arg(key)};
    return o[key].toString();
}

bool flag(const QJsonObject& o, const QString& key)
{
    if (!o.contains(key))
        return false;
    if (!o[key].isBool())
        throw BadSheet{QStringLiteral("\"%1\" must be true or false").arg(key)};
    return o[key].toBool();
}

int number(const QJsonObject& o, const QString& key)
{
    if (!o.contains(key))
        return 0;
    const double v = o[key].toDouble(-1e9);
    if (!o[key].isDouble() || v != int(v) || v < -32768 || v > 32767)
        throw BadSheet{QStringLiteral("\"%1\" must be a whole number").arg(key)};
    return int(v);
}

// Index of an option value among the choices; -1 when the field is absent.
int choice(const QJsonObject& o, const QString& key, const QStringList& values)
{
    if (!o.contains(key))
        return -1;
    const int i = values.indexOf(text(o, key));
    if (i < 0)
        throw BadSheet{QStringLiteral("\"%1\": unknown value \"%2\" (one of %3)")
                           .arg(key, o[key].toString(), values.join(QStringLiteral(", ")))};
    return i;
}

static QString templateKey(const QString& given)
{
    QString key = given;
    while (key.size() < 7)
        key.append(QChar(0x3000));
    if (app::catalogue().find(key) == app::BuiltinTemplateCatalogue::NotFound ||
        app::catalogue().row(app::catalogue().find(key)).key() != key)
        throw BadSheet{QStringLiteral("unknown template \"%1\"").arg(given)};
    return key;
}

void fill(app::NoshiMain& m, app::InputWindows& w, const QJsonObject& o, const QStringList& toolFields)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!SheetFields.contains(it.key()) && !toolFields.contains(it.key()))
            throw BadSheet{QStringLiteral("unknown field \"%1\"").arg(it.key())};
    if (!o.contains("template"))
        throw BadSheet{QStringLiteral("\"template\" is missing")};
    const QString key = templateKey(text(o, "template"));
    const int style = std::max(0, choice(o, "nameStyle", {"１行印刷", "２行印刷", "連名印刷"}));
    const QStringList sizes = {"標準", "大きめ", "小さめ", "特大"};
    const int omoteSize = choice(o, "omoteSize", sizes);
    const int nameSize = choice(o, "nameSize", sizes);
    const int knot = choice(o, "knot", {"蝶結び", "結び切り"});
    const int spacing = choice(o, "spacing", {"標　準", "狭い"});

    app::RegisteredSize z;
    const QString sizeName = QStringLiteral("トレース");
    z.RegSizeTemplate = {key, key, key};
    z.RegSizeName = {sizeName, sizeName, sizeName};
    z.RegSizeWidth = number(o, "width");
    z.RegSizeHeight = number(o, "height");
    if (o.contains("offsets")) {
        if (!o["offsets"].isObject())
            throw BadSheet{QStringLiteral("\"offsets\" must be an object with x, omote and name")};
        const QJsonObject off = o["offsets"].toObject();
        for (auto it = off.begin(); it != off.end(); ++it)
            if (!QStringList{"x", "omote", "name"}.contains(it.key()))
                throw BadSheet{QStringLiteral("unknown offset \"%1\"").arg(it.key())};
        z.RegOffsetX.fill(number(off, "x"));
        z.RegOffsetOmote.fill(number(off, "omote"));
        z.RegOffsetName.fill(number(off, "name"));
    }
    app::store().addSize(z);
    m.Combo1->addItem(sizeName);
    m.Combo1->setEditText(sizeName);
    m.Combo3->setCurrentIndex(style);

    m.Combo4->setEditText(text(o, "font", QStringLiteral("ＭＳ 明朝")));
    QRadioButton* omoteOptions[] = {m.Option11, m.Option22, m.Option33, m.OptionOB};
    QRadioButton* nameOptions[] = {m.Option1, m.Option2, m.Option3, m.OptionNB};
    forms::setOptionValue(omoteOptions[std::max(0, omoteSize)], true);
    forms::setOptionValue(nameOptions[std::max(0, nameSize)], true);
    forms::setCheckValue(m.CheckOBold, flag(o, "omoteBold") ? 1 : 0);
    forms::setCheckValue(m.CheckNBold, flag(o, "nameBold") ? 1 : 0);
    forms::setCheckValue(m.Check1, flag(o, "thinInk") ? 1 : 0);
    m.Combo2->setEditText(text(o, "inscription", QStringLiteral("御祝")));
    m.Text2->setText(text(o, "name"));

    app::frmTextSub0& sub0 = *w.sub0();
    sub0.Text4->setText(text(o, "shoulderRight"));
    sub0.Text5->setText(text(o, "shoulderLeft"));
    sub0.Text1->setText(text(o, "twoLineRight"));
    sub0.Text2->setText(text(o, "twoLineLeft"));
    sub0.Command1_Click();

    app::frmTextSub1& sub1 = *w.sub1();
    sub1.Text6->setText(text(o, "furigana"));
    sub1.Text2->setText(text(o, "postcode"));
    sub1.Text5[0]->setText(text(o, "address1"));
    sub1.Text5[1]->setText(text(o, "address2"));
    sub1.Text1->setText(text(o, "tel"));
    sub1.Text9->setText(text(o, "fax"));
    // Ticking a mark puts it in front of the text, as the user's click does.
    forms::setCheckValue(sub1.Check1, flag(o, "postcodeMark") ? 1 : 0);
    forms::setCheckValue(sub1.Check2, flag(o, "telMark") ? 1 : 0);
    forms::setCheckValue(sub1.Check3, flag(o, "faxMark") ? 1 : 0);
    sub1.Command1_Click();

    if (style == 1 || o.contains("company") || o.contains("title") || o.contains("person")) {
        app::frmTextSub2& sub2 = *w.sub2();
        sub2.Text7->setText(text(o, "company"));
        sub2.Combo2->setEditText(text(o, "title"));
        sub2.Text8->setText(text(o, "person"));
        sub2.Command1_Click();
    }
    if (style == 2 || o.contains("jointNames") || knot >= 0 || spacing >= 0) {
        app::frmTextSub3& sub3 = *w.sub3();
        const QJsonArray names = o["jointNames"].toArray();
        if ((o.contains("jointNames") && !o["jointNames"].isArray()) || names.size() > 7)
            throw BadSheet{QStringLiteral("\"jointNames\" must be a list of up to 7 names")};
        for (int i = 0; i < names.size(); ++i) {
            if (!names[i].isString())
                throw BadSheet{QStringLiteral("\"jointNames\" must hold texts")};
            sub3.txtName[size_t(i + 1)]->setText(names[i].toString());
        }
        forms::setOptionValue(knot == 1 ? sub3.Option2 : sub3.Option1, true);
        forms::setOptionValue(spacing == 1 ? sub3.Option4 : sub3.Option3, true);
        sub3.Command1_Click();
    }
}


QJsonObject read(const QString& path)
{
    QFile in;
    if (path == QStringLiteral("-") ? !in.open(stdin, QIODevice::ReadOnly)
                                    : (in.setFileName(path), !in.open(QIODevice::ReadOnly)))
        throw BadSheet{QStringLiteral("cannot read %1").arg(path)};
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(in.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject())
        throw BadSheet{QStringLiteral("%1: not a JSON object (%2 at offset %3)")
                           .arg(path, parseError.errorString())
                           .arg(parseError.offset)};
    return doc.object();
}

void usePrivateFolders(const QString& dir)
{
    qputenv("XDG_DATA_HOME", (dir + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (dir + "/config").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace sheet

namespace sheet {

MessageLog::MessageLog()
{
    ui::setAnswerer([this](const ui::MessageRequest& r) {
        shown << QStringLiteral("MSG %1: %2").arg(r.title, QString(r.text).replace(u'\n', u' '));
        return r.buttons == ui::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    });
}

MessageLog::~MessageLog() { ui::setAnswerer({}); }

} // namespace sheet
