#include "print/TemplateDispatch.h"

#include "layout/LayoutMembers.h"
#include "model/TemplateKeys.h"
#include "platform/print/Printer.h"
#include "platform/services/MessageBox.h"
#include "print/PagePrintHost.h"
#include "print/PrintContext.h"

#include <QHash>

namespace noshi {

namespace {

// clang-format off
const DispatchEntry Table[] = {
    {"LayoutNoshiLarge", app::TemplateKey::MoegiIwaiLarge},
    {"LayoutNoshiLarge", app::TemplateKey::MoegiShiLarge},
    {"LayoutNoshiLarge", app::TemplateKey::WashiLarge},
    {"LayoutNoshiMedium", app::TemplateKey::MoegiMedium},
    {"LayoutNoshiMedium", app::TemplateKey::WashiMedium},
    {"LayoutNoshiMedium", app::TemplateKey::No5},
    {"LayoutNoshiSmall", app::TemplateKey::MoegiSmall},
    {"LayoutWashiSmall", app::TemplateKey::WashiSmall},
    {"LayoutWashiSmall", app::TemplateKey::A6},
    {"LayoutMinoban", app::TemplateKey::MoegiMinoban},
    {"LayoutMinoban", app::TemplateKey::Minoban},
    {"LayoutMinoban", app::TemplateKey::MinobanA},
    {"LayoutMinoban", app::TemplateKey::ShiA},
    {"LayoutMinoban", app::TemplateKey::AkaboMinoban},
    {"LayoutMinobanBold", app::TemplateKey::MinobanBold},
    {"LayoutHanshiban", app::TemplateKey::MoegiHanshiban},
    {"LayoutHanshiban", app::TemplateKey::Hanshiban},
    {"LayoutHanshiban", app::TemplateKey::HanshibanA},
    {"LayoutHanshibanBold", app::TemplateKey::HanshibanBold},
    {"LayoutKitteban", app::TemplateKey::MoegiKitteban},
    {"LayoutKitteban", app::TemplateKey::NoshiBukuro},
    {"LayoutKitteban", app::TemplateKey::MoegiShiExtraLarge},
    {"LayoutKitteban", app::TemplateKey::Kitteban},
    {"LayoutKitteban", app::TemplateKey::Honchuban},
    {"LayoutKitteban", app::TemplateKey::KittebanA},
    {"LayoutKittebanBold", app::TemplateKey::KittebanBold},
    {"LayoutTanzakuLarge", app::TemplateKey::MoegiTanzaku},
    {"LayoutTanzakuLarge", app::TemplateKey::TanzakuLarge},
    {"LayoutTanzaku46", app::TemplateKey::Tanzaku46},
    {"LayoutTanzakuSmall", app::TemplateKey::TanzakuSmall},
    {"LayoutTanzakuSmallB", app::TemplateKey::TanzakuSmallB},
    {"LayoutTanzakuExtraLarge", app::TemplateKey::TanzakuExtraLarge},
    {"LayoutTanzakuExtraLarge", app::TemplateKey::GoreizenFudaLarge},
    {"LayoutTanzakuExtraLarge", app::TemplateKey::GoreizenFudaSmall},
    {"LayoutModelNo0", app::TemplateKey::No0},
    {"LayoutModelNo1", app::TemplateKey::No1},
    {"LayoutModelNo1", app::TemplateKey::Akabo00},
    {"LayoutModelNo2", app::TemplateKey::No2},
    {"LayoutModelNo2", app::TemplateKey::Card},
    {"LayoutModelNo2", app::TemplateKey::CardPortrait},
    {"LayoutModelNo3", app::TemplateKey::No3},
    {"LayoutModelNo3", app::TemplateKey::Iwai03},
    {"LayoutModelNo3", app::TemplateKey::Akabo01},
    {"LayoutModelNo4", app::TemplateKey::No4},
    {"LayoutModelNo4", app::TemplateKey::Iwai02},
    {"LayoutModelNo16", app::TemplateKey::No16},
    {"LayoutModelNo16", app::TemplateKey::B5},
    {"LayoutModelNo16", app::TemplateKey::Akabo04},
    {"LayoutModelNo16", app::TemplateKey::B6Portrait},
    {"LayoutB6", app::TemplateKey::B6},
    {"LayoutB6", app::TemplateKey::Akabo02},
    {"LayoutA5", app::TemplateKey::A5},
    {"LayoutA5", app::TemplateKey::Iwai01},
    {"LayoutA5", app::TemplateKey::Shi03},
    {"LayoutA5", app::TemplateKey::Akabo03},
    {"LayoutA5", app::TemplateKey::WashiExtraLarge},
    {"LayoutA5", app::TemplateKey::A6Portrait},
    {"LayoutA4", app::TemplateKey::A4},
    {"LayoutA4", app::TemplateKey::A4Test},
    {"LayoutA4", app::TemplateKey::A5Portrait},
    {"LayoutA4Bold", app::TemplateKey::A4Bold},
    {"LayoutB4", app::TemplateKey::B4},
    {"LayoutB4", app::TemplateKey::B5Portrait},
    {"LayoutB4Bold", app::TemplateKey::B4Bold},
    {"LayoutA3", app::TemplateKey::A3},
    {"LayoutA3", app::TemplateKey::A4Portrait},
    {"LayoutTanmonoban", app::TemplateKey::Tanmonoban},
    {"LayoutTanmonoban", app::TemplateKey::LargeTanmonoban},
    {"LayoutTanmonoban", app::TemplateKey::LargeTanmonobanA},
    {"LayoutTanmonoban", app::TemplateKey::TanmonobanA},
    {"LayoutTanmonoban", app::TemplateKey::B4Portrait},
    {"LayoutTanmonoban", app::TemplateKey::A3Portrait},
    {"LayoutWashiM", app::TemplateKey::WashiM},
    {"LayoutTanzakuSheet", app::TemplateKey::TanzakuB5Five},
    {"LayoutTanzakuSheet", app::TemplateKey::TanzakuB5Six},
    {"LayoutTanzakuSheet3", app::TemplateKey::TanzakuB5Three},
    {"LayoutB5Special", app::TemplateKey::B5Special},
    {"LayoutTanzakuSpecial", app::TemplateKey::TanzakuSpecial},
    {"LayoutTanzakuSpecialMedium", app::TemplateKey::TanzakuSpecialMedium},
    {"LayoutTanzakuSpecialB", app::TemplateKey::TanzakuSpecialB},
};
// clang-format on

const QString Sheet5Key = app::TemplateKey::TanzakuB5Five;
const QString Sheet6Key = app::TemplateKey::TanzakuB5Six;
const QString Sheet3Key = app::TemplateKey::TanzakuB5Three;
const QString MeishiKey = app::TemplateKey::Card;
const QString StripKeys[] = {app::TemplateKey::TanzakuSpecial, app::TemplateKey::TanzakuSpecialMedium,
                             app::TemplateKey::Tanzaku46, app::TemplateKey::TanzakuSpecialB};

} // namespace

std::span<const DispatchEntry> TemplateDispatchTable() { return Table; }

namespace {
QHash<QString, QString>& overrides() { return printContext().dispatchOverrides; }
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

TanzakuSheetPrinter& tanzakuSheetPrinter() { return printContext().tanzakuSheetPrinter; }

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
