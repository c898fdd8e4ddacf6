// noshi_trace: one noshi sheet described in JSON, run through the real print
// path in edit mode with the preview kept hidden; prints both boxes as a
// layout trace, the rank-label indent and any message the command showed.
//   noshi_trace sheet.json     (or "-" / nothing for standard input)
// Exit status: 0 laid out, 1 the command ended with a message, 2 bad input.
#include "app/InputWindows.h"
#include "model/LiveStore.h"
#include "app/NoshiMain.h"
#include "model/TemplateCatalogue.h"
#include "common/EditModeRig.h"
#include "common/LayoutTrace.h"
#include "platform/forms/Controls.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageBox.h"
#include "preview/frmNoshiPreView.h"
#include "app/PrintDispatcher.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdio>

namespace {

struct BadInput {
    QString what;
};

const QStringList Fields = {"template", "width", "height", "nameStyle", "inscription", "name", "shoulderRight",
                            "shoulderLeft", "twoLineRight", "twoLineLeft", "furigana", "postcode", "postcodeMark",
                            "address1", "address2", "tel", "telMark", "fax", "faxMark", "company", "title",
                            "person", "jointNames", "knot", "spacing", "omoteSize", "nameSize", "omoteBold",
                            "nameBold", "thinInk", "offsets", "font"};

QString text(const QJsonObject& o, const QString& key, const QString& fallback = {})
{
    if (!o.contains(key))
        return fallback;
    if (!o[key].isString())
        throw BadInput{QStringLiteral("\"%1\" must be a text").arg(key)};
    return o[key].toString();
}

bool flag(const QJsonObject& o, const QString& key)
{
    if (!o.contains(key))
        return false;
    if (!o[key].isBool())
        throw BadInput{QStringLiteral("\"%1\" must be true or false").arg(key)};
    return o[key].toBool();
}

int number(const QJsonObject& o, const QString& key)
{
    if (!o.contains(key))
        return 0;
    const double v = o[key].toDouble(-1e9);
    if (!o[key].isDouble() || v != int(v) || v < -32768 || v > 32767)
        throw BadInput{QStringLiteral("\"%1\" must be a whole number").arg(key)};
    return int(v);
}

// Index of an option value among the choices; -1 when the field is absent.
int choice(const QJsonObject& o, const QString& key, const QStringList& values)
{
    if (!o.contains(key))
        return -1;
    const int i = values.indexOf(text(o, key));
    if (i < 0)
        throw BadInput{QStringLiteral("\"%1\": unknown value \"%2\" (one of %3)")
                           .arg(key, o[key].toString(), values.join(QStringLiteral(", ")))};
    return i;
}

QString templateKey(const QString& given)
{
    QString key = given;
    while (key.size() < 7)
        key.append(QChar(0x3000));
    if (app::catalogue().find(key) == app::BuiltinTemplateCatalogue::NotFound ||
        app::catalogue().row(app::catalogue().find(key)).key() != key)
        throw BadInput{QStringLiteral("unknown template \"%1\"").arg(given)};
    return key;
}

void fill(app::NoshiMain& m, app::InputWindows& w, const QJsonObject& o)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!Fields.contains(it.key()))
            throw BadInput{QStringLiteral("unknown field \"%1\"").arg(it.key())};
    if (!o.contains("template"))
        throw BadInput{QStringLiteral("\"template\" is missing")};
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
            throw BadInput{QStringLiteral("\"offsets\" must be an object with x, omote and name")};
        const QJsonObject off = o["offsets"].toObject();
        for (auto it = off.begin(); it != off.end(); ++it)
            if (!QStringList{"x", "omote", "name"}.contains(it.key()))
                throw BadInput{QStringLiteral("unknown offset \"%1\"").arg(it.key())};
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
            throw BadInput{QStringLiteral("\"jointNames\" must be a list of up to 7 names")};
        for (int i = 0; i < names.size(); ++i) {
            if (!names[i].isString())
                throw BadInput{QStringLiteral("\"jointNames\" must hold texts")};
            sub3.txtName[size_t(i + 1)]->setText(names[i].toString());
        }
        forms::setOptionValue(knot == 1 ? sub3.Option2 : sub3.Option1, true);
        forms::setOptionValue(spacing == 1 ? sub3.Option4 : sub3.Option3, true);
        sub3.Command1_Click();
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Private folders, so that the run reads and writes none of the user's files.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);

    QFile in;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("-");
    if (path == QStringLiteral("-") ? !in.open(stdin, QIODevice::ReadOnly) : (in.setFileName(path), !in.open(QIODevice::ReadOnly))) {
        std::fprintf(stderr, "noshi_trace: cannot read %s\n", qPrintable(path));
        return 2;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(in.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        std::fprintf(stderr, "noshi_trace: %s: not a JSON object (%s at offset %d)\n", qPrintable(path),
                     qPrintable(parseError.errorString()), parseError.offset);
        return 2;
    }

    QStringList shown;
    ui::setAnswerer([&](const ui::MessageRequest& r) {
        shown << QStringLiteral("MSG %1: %2").arg(r.title, QString(r.text).replace(u'\n', u' '));
        return r.buttons == ui::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    });

    int status = 0;
    {
        EditModeRig rig(home.path());
        app::NoshiMain& m = rig.main;
        app::InputWindows& windows = rig.windows;
        noshi::PrintDispatcher& dispatcher = rig.dispatcher;
        shown.clear(); // start-up's own notes are not the command's
        try {
            fill(m, windows, doc.object());
        } catch (const BadInput& e) {
            std::fprintf(stderr, "noshi_trace: %s: %s\n", qPrintable(path), qPrintable(e.what));
            return 2;
        }
        shown.clear();
        app::store().EditMode = 1;
        dispatcher.PrintOrPreview();

        QString out;
        const preview::frmNoshiPreView* pv = preview::NoshiPreView().peek();
        out += QStringLiteral("box1:\n") + (pv ? traceBox(pv->RichTextBox1->document()) : QString());
        out += QStringLiteral("box2:\n") + (pv ? traceBox(pv->RichTextBox2->document()) : QString());
        out += QStringLiteral("ColumnIndent %1\n").arg(int(dispatcher.context().ColumnIndent));
        for (const QString& s : shown)
            out += s + u'\n';
        std::fputs(out.toUtf8().constData(), stdout);
        status = dispatcher.lastOutcome() == noshi::PrintDispatcher::Outcome::Edited && shown.isEmpty() ? 0 : 1;
    }
    ui::setAnswerer({});
    return status;
}
