#include "print/TemplateDispatch.h"

#include "layout/LayoutMembers.h"
#include "platform/print/Printer.h"
#include "platform/services/MessageBox.h"
#include "print/PagePrintHost.h"

#include <QHash>

namespace noshi {

namespace {

// clang-format off
const DispatchEntry Table[] = {
    {"LayoutNoshiLarge", QStringLiteral("萌黄（祝大）　")},
    {"LayoutNoshiLarge", QStringLiteral("萌黄（志大）　")},
    {"LayoutNoshiLarge", QStringLiteral("和紙（大）　　")},
    {"LayoutNoshiMedium", QStringLiteral("萌黄（　中　）")},
    {"LayoutNoshiMedium", QStringLiteral("和紙（中）　　")},
    {"LayoutNoshiMedium", QStringLiteral("ＮＯ５　　　　")},
    {"LayoutNoshiSmall", QStringLiteral("萌黄（　小　）")},
    {"LayoutWashiSmall", QStringLiteral("和紙（小）　　")},
    {"LayoutWashiSmall", QStringLiteral("Ａ６判　　　　")},
    {"LayoutMinoban", QStringLiteral("萌黄（美濃判）")},
    {"LayoutMinoban", QStringLiteral("美濃判　　　　")},
    {"LayoutMinoban", QStringLiteral("美濃判Ａ　　　")},
    {"LayoutMinoban", QStringLiteral("志Ａ　　　　　")},
    {"LayoutMinoban", QStringLiteral("赤棒美濃判　　")},
    {"LayoutMinobanBold", QStringLiteral("美濃判（太字）")},
    {"LayoutHanshiban", QStringLiteral("萌黄（半紙判）")},
    {"LayoutHanshiban", QStringLiteral("半紙判　　　　")},
    {"LayoutHanshiban", QStringLiteral("半紙判Ａ　　　")},
    {"LayoutHanshibanBold", QStringLiteral("半紙判（太字）")},
    {"LayoutKitteban", QStringLiteral("萌黄（切手判）")},
    {"LayoutKitteban", QStringLiteral("熨斗袋　　　　")},
    {"LayoutKitteban", QStringLiteral("萌黄（志特大）")},
    {"LayoutKitteban", QStringLiteral("切手判　　　　")},
    {"LayoutKitteban", QStringLiteral("本中判　　　　")},
    {"LayoutKitteban", QStringLiteral("切手判Ａ　　　")},
    {"LayoutKittebanBold", QStringLiteral("切手判（太字）")},
    {"LayoutTanzakuLarge", QStringLiteral("萌黄（短　冊）")},
    {"LayoutTanzakuLarge", QStringLiteral("短冊（大）　　")},
    {"LayoutTanzaku46", QStringLiteral("短冊（４：６）")},
    {"LayoutTanzakuSmall", QStringLiteral("短冊（小）　　")},
    {"LayoutTanzakuSmallB", QStringLiteral("短冊小　　　　")},
    {"LayoutTanzakuExtraLarge", QStringLiteral("短冊（特大）　")},
    {"LayoutTanzakuExtraLarge", QStringLiteral("御霊前札（大）")},
    {"LayoutTanzakuExtraLarge", QStringLiteral("御霊前札（小）")},
    {"LayoutModelNo0", QStringLiteral("Ｎｏ０　　　　")},
    {"LayoutModelNo1", QStringLiteral("ＮＯ１　　　　")},
    {"LayoutModelNo1", QStringLiteral("赤棒００　　　")},
    {"LayoutModelNo2", QStringLiteral("ＮＯ２　　　　")},
    {"LayoutModelNo2", QStringLiteral("名刺　　　　　")},
    {"LayoutModelNo2", QStringLiteral("名刺（縦）　　")},
    {"LayoutModelNo3", QStringLiteral("ＮＯ３　　　　")},
    {"LayoutModelNo3", QStringLiteral("祝０３　　　　")},
    {"LayoutModelNo3", QStringLiteral("赤棒０１　　　")},
    {"LayoutModelNo4", QStringLiteral("ＮＯ４　　　　")},
    {"LayoutModelNo4", QStringLiteral("祝０２　　　　")},
    {"LayoutModelNo16", QStringLiteral("ＮＯ１６　　　")},
    {"LayoutModelNo16", QStringLiteral("Ｂ５判　　　　")},
    {"LayoutModelNo16", QStringLiteral("赤棒０４　　　")},
    {"LayoutModelNo16", QStringLiteral("Ｂ６判　縦　　")},
    {"LayoutB6", QStringLiteral("Ｂ６判　　　　")},
    {"LayoutB6", QStringLiteral("赤棒０２　　　")},
    {"LayoutA5", QStringLiteral("Ａ５判　　　　")},
    {"LayoutA5", QStringLiteral("祝０１　　　　")},
    {"LayoutA5", QStringLiteral("志０３　　　　")},
    {"LayoutA5", QStringLiteral("赤棒０３　　　")},
    {"LayoutA5", QStringLiteral("和紙（特大）　")},
    {"LayoutA5", QStringLiteral("Ａ６判　縦　　")},
    {"LayoutA4", QStringLiteral("Ａ４判　　　　")},
    {"LayoutA4", QStringLiteral("Ａ４　テスト用")},
    {"LayoutA4", QStringLiteral("Ａ５判　縦　　")},
    {"LayoutA4Bold", QStringLiteral("Ａ４判（太字）")},
    {"LayoutB4", QStringLiteral("Ｂ４判　　　　")},
    {"LayoutB4", QStringLiteral("Ｂ５判　縦　　")},
    {"LayoutB4Bold", QStringLiteral("Ｂ４判（太字）")},
    {"LayoutA3", QStringLiteral("Ａ３判　　　　")},
    {"LayoutA3", QStringLiteral("Ａ４判　縦　　")},
    {"LayoutTanmonoban", QStringLiteral("反物判　　　　")},
    {"LayoutTanmonoban", QStringLiteral("大反物判　　　")},
    {"LayoutTanmonoban", QStringLiteral("大反物判Ａ　　")},
    {"LayoutTanmonoban", QStringLiteral("反物判Ａ　　　")},
    {"LayoutTanmonoban", QStringLiteral("Ｂ４判　縦　　")},
    {"LayoutTanmonoban", QStringLiteral("Ａ３判　縦　　")},
    {"LayoutWashiM", QStringLiteral("和紙（Ｍ）　　")},
    {"LayoutTanzakuSheet", QStringLiteral("短冊Ｂ５／５Ｐ")},
    {"LayoutTanzakuSheet", QStringLiteral("短冊Ｂ５／６Ｐ")},
    {"LayoutTanzakuSheet3", QStringLiteral("短冊Ｂ５／３Ｐ")},
    {"LayoutB5Special", QStringLiteral("Ｂ５判（特殊）")},
    {"LayoutTanzakuSpecial", QStringLiteral("短冊（特殊）　")},
    {"LayoutTanzakuSpecialMedium", QStringLiteral("短冊（特殊）中")},
    {"LayoutTanzakuSpecialB", QStringLiteral("短冊（特殊Ｂ）")},
};
// clang-format on

const QString Sheet5Key = QStringLiteral("短冊Ｂ５／５Ｐ");
const QString Sheet6Key = QStringLiteral("短冊Ｂ５／６Ｐ");
const QString Sheet3Key = QStringLiteral("短冊Ｂ５／３Ｐ");
const QString MeishiKey = QStringLiteral("名刺　　　　　");
const QString StripKeys[] = {QStringLiteral("短冊（特殊）　"), QStringLiteral("短冊（特殊）中"),
                             QStringLiteral("短冊（４：６）"), QStringLiteral("短冊（特殊Ｂ）")};

} // namespace

std::span<const DispatchEntry> TemplateDispatchTable() { return Table; }

namespace {
QHash<QString, QString>& overrides()
{
    static QHash<QString, QString> map;
    return map;
}
} // namespace

ScopedDispatchOverride::ScopedDispatchOverride(const QString& key, const QString& member) : key_(key)
{
    overrides().insert(key, member);
}

ScopedDispatchOverride::~ScopedDispatchOverride() { overrides().remove(key_); }

QString TemplateMemberName(const QString& key)
{
    if (const auto it = overrides().constFind(key); it != overrides().constEnd())
        return *it;
    for (const DispatchEntry& e : Table)
        if (e.key == key)
            return QString::fromLatin1(e.member);
    return {};
}

QString DispatchTarget::message() const
{
    switch (status) {
    case Status::Ready:
        return {};
    case Status::NoEntry:
        return QStringLiteral("こののし紙サイズのひな形には割り付けがありません。のし紙サイズの登録を確認してください。");
    case Status::NotBuiltYet:
        return QStringLiteral("このひな形（%1）の割り付けはまだ使えません。").arg(memberName);
    }
    return {};
}

DispatchTarget TemplateDispatch(const QString& key)
{
    DispatchTarget t;
    t.memberName = TemplateMemberName(key);
    if (t.memberName.isEmpty())
        return t;
    t.member = layout::findLayoutMember(t.memberName);
    t.status = t.member ? DispatchTarget::Status::Ready : DispatchTarget::Status::NotBuiltYet;
    return t;
}

PrinterChoice ChoosePrinter(const QString& key, int paperWidth, int paperHeight)
{
    if (key == Sheet5Key)
        return PrinterChoice::TanzakuSheet5;
    if (key == Sheet6Key)
        return PrinterChoice::TanzakuSheet6;
    if (key == Sheet3Key)
        return PrinterChoice::TanzakuSheet3;
    if (key == MeishiKey)
        return PrinterChoice::Meishi;
    for (const QString& k : StripKeys)
        if (key == k)
            return PrinterChoice::Tanzaku;
    return paperHeight < paperWidth ? PrinterChoice::Landscape : PrinterChoice::Portrait;
}

bool isTanzakuSheet(PrinterChoice c)
{
    return c == PrinterChoice::TanzakuSheet5 || c == PrinterChoice::TanzakuSheet6 ||
           c == PrinterChoice::TanzakuSheet3;
}

TanzakuSheetPrinter& tanzakuSheetPrinter()
{
    static TanzakuSheetPrinter entry;
    return entry;
}

PrintPageOutcome PrintNoshiPage(PagePrintHost& host, prn::Printer& printer, const std::function<void()>& beforeSheet)
{
    const PagePrintSettings s = host.printSettings();
    PrintPageOutcome out;
    out.choice = ChoosePrinter(s.CurrentKey, s.PaperWidth, s.PaperHeight);
    if (isTanzakuSheet(out.choice)) {
        if (beforeSheet)
            beforeSheet();
        if (!tanzakuSheetPrinter()) {
            out.error = QStringLiteral("短冊シートの印刷はこの版ではまだ使えません。");
            ui::MsgBox(out.error, ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Information"));
            return out;
        }
        tanzakuSheetPrinter()(out.choice, s.MainCopies);
        out.sheetPrinterShown = true;
        return out;
    }
    static constexpr PagePrinterVariant variants[] = {PagePrinterVariant::Meishi, PagePrinterVariant::Tanzaku,
                                                      PagePrinterVariant::Landscape, PagePrinterVariant::Portrait};
    out.page = RunPagePrinter(variants[int(out.choice) - int(PrinterChoice::Meishi)], host, printer);
    return out;
}

} // namespace noshi
