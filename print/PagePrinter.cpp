#include "print/PagePrinter.h"

#include "model/TemplateKeys.h"
#include "platform/fonts/FontFallback.h"
#include "platform/print/PaperCodes.h"
#include "platform/print/Printer.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"
#include "print/BandPrint.h"
#include "print/CompanyName.h"
#include "print/PagePrintHost.h"
#include "print/PrintGeometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace noshi {

namespace {

enum class PaperRule {
    LongSideOfWidth,   // user size from Check3, else the sheet for PaperWidth
    KeepUnlessUser,    // user size from Check3, else the printer keeps its paper
    LongSideOfHeight,  // user size (at least 100 mm wide) from Check3, else the sheet for PaperHeight
};

struct VariantTraits {
    bool landscape;
    PaperRule paper;
    bool hanshibanRule;
    bool extras;               // company name and bulk label
    double coNameFromLeftMm;   // company name inside the noshi's left edge
    double coNameFromRightMm;  // company name inside the noshi's right edge
};

const VariantTraits& traitsOf(PagePrinterVariant v)
{
    static const VariantTraits landscape{true, PaperRule::LongSideOfWidth, true, true, 20, 30};
    static const VariantTraits meishi{true, PaperRule::KeepUnlessUser, false, true, 21, 24};
    static const VariantTraits portrait{false, PaperRule::LongSideOfHeight, false, false, 0, 0};
    switch (v) {
    case PagePrinterVariant::Landscape: return landscape;
    case PagePrinterVariant::Meishi: return meishi;
    case PagePrinterVariant::Portrait:
    case PagePrinterVariant::Tanzaku: break;
    }
    return portrait;
}

constexpr double CompanyNameAboveBottomMm = 60;
constexpr double TanzakuNameDistanceMm = 60;
const QString Tanzaku46Key = app::TemplateKey::Tanzaku46;
const QString CompanyNameDoesNotFit = QStringLiteral("社名を印刷できません。プリンタの用紙設定を変更してください。");

PlacementInput placementOf(const PagePrintSettings& s)
{
    return {s.PaperWidth, s.PaperHeight, s.LayoutWidth, s.PrOffsetX, s.PrOffsetY,
            s.Option4, s.Option5, s.Option6, s.Option9};
}

void preparePaper(prn::Printer& printer, const VariantTraits& t, const PagePrintSettings& s)
{
    if (s.Check4)
        return;
    if (s.Check3) {
        printer.setPaperSize(prn::DMPAPER_USER);
        if (t.landscape)
            printer.setUserSize(Twips(s.PaperHeight), Twips(s.PaperWidth));
        else
            printer.setUserSize(Twips(std::max<int>(s.PaperWidth, 100)), Twips(s.PaperHeight));
    } else if (t.paper != PaperRule::KeepUnlessUser) {
        const int code = SheetByLongSide(t.paper == PaperRule::LongSideOfWidth ? s.PaperWidth : s.PaperHeight);
        if (code != 0)
            printer.setPaperSize(code);
    }
    if (t.hanshibanRule && s.CheckHanshiban && s.PaperHeight > 210)
        printer.setPaperSize(prn::DMPAPER_A4);
}

struct Band {
    rt::RichTextBox* box;
    int X;
    int Y;
};

double nameDistanceMm(PagePrinterVariant v, const PagePrintSettings& s)
{
    if (v == PagePrinterVariant::Tanzaku)
        return s.CurrentKey == Tanzaku46Key ? s.PaperHeight * 0.4 : TanzakuNameDistanceMm;
    return s.PaperHeight / 2.0;
}

// The bands of one page, in the order they are drawn.
std::vector<Band> pageBands(PagePrinterVariant v, const VariantTraits& t, PagePrintHost& host,
                            const PagePrintSettings& s, prn::Printer& printer, bool& companyNameFits)
{
    const PlacementInput in = placementOf(s);
    std::vector<Band> bands;
    companyNameFits = true;
    if (!t.landscape) {
        const int X = PortraitBoxLeft(in, printer.ScaleWidth());
        bands.push_back({&host.omoteBox(), X, PortraitBoxTop(in, 0)});
        bands.push_back({&host.nameBox(), X, PortraitBoxTop(in, nameDistanceMm(v, s))});
        return bands;
    }
    const int W = printer.Width();
    const int H = printer.Height();
    // CompanyNameEdge: only the stored True (-1) and False (0) place the name.
    // The settings tab offers True as the sheet's left edge and False as its
    // right edge, so True prints at the noshi's left side (drawn first) and
    // False near its right edge (drawn last). With neither sheet kind chosen
    // the name goes to the left side.
    int16_t edge = -1;
    if (s.Option7)
        edge = s.CoPrintSetA;
    if (s.Option8)
        edge = s.CoPrintSetB;
    const auto companyBand = [&](bool fromLeft) {
        const int X = LandscapeExtraLeft(in, W, fromLeft ? t.coNameFromLeftMm : t.coNameFromRightMm, fromLeft);
        if (X < 0)
            companyNameFits = false;
        bands.push_back({&host.companyNameBox(), X, LandscapeExtraTop(in, H, CompanyNameAboveBottomMm)});
    };
    if (s.Check2 && edge == -1)
        companyBand(true);
    const int X = LandscapeBoxLeft(in, W);
    bands.push_back({&host.omoteBox(), X, LandscapeOmoteTop(in, H)});
    bands.push_back({&host.nameBox(), X, LandscapeNameTop(in, H)});
    if (s.BulkLabel) {
        // The printable area's right and bottom edges in the frame of X and
        // Y: the landscape bands take the physical offsets crosswise.
        const double offX = printer.ScaleX(printer.GetDeviceCaps(prn::PHYSICALOFFSETX), prn::vbPixels, prn::vbTwips);
        const double offY = printer.ScaleY(printer.GetDeviceCaps(prn::PHYSICALOFFSETY), prn::vbPixels, prn::vbTwips);
        rt::RichTextBox& label = host.bulkLabelBox();
        bands.push_back({&label, BulkLabelLeft(in, W, label.widthMm(), offY + printer.ScaleWidth()),
                         BulkLabelTop(in, H, label.heightMm(), offX + printer.ScaleHeight())});
    }
    if (s.Check2 && edge == 0)
        companyBand(false);
    return bands;
}

BandFrame bandFrameOf(const VariantTraits& t, prn::Printer& printer)
{
    const int offX = int(vb::CLng(printer.ScaleX(printer.GetDeviceCaps(prn::PHYSICALOFFSETX), prn::vbPixels, prn::vbTwips)));
    const int offY = int(vb::CLng(printer.ScaleY(printer.GetDeviceCaps(prn::PHYSICALOFFSETY), prn::vbPixels, prn::vbTwips)));
    BandFrame f;
    if (t.landscape) {
        // The offsets are taken crosswise on a landscape page: the print
        // offsets users calibrated were measured with this rule.
        const int W = printer.Width();
        const int H = printer.Height();
        f = {offY, offX, W, H, {0, 0, W, H}};
    } else {
        const int H = printer.Height();
        f = {offX, offY, H, H,
             {0, 0, vb::CLng(printer.ScaleWidth()), vb::CLng(printer.ScaleHeight())}};
    }
    return f;
}

} // namespace

int CopyCount(const PagePrintSettings& s)
{
    QString text;
    if (s.EditMode == 0)
        text = s.MainCopies;
    else if (s.EditMode == 1)
        text = s.PreviewCopies;
    else
        return 0;
    const auto n = vb::ToNumber(text);
    if (!n)
        return 0;
    try {
        return vb::CInt(*n);
    } catch (const vb::OverflowError&) {
        return 0;
    }
}

BandFrame PreparePage(prn::Printer& printer, PagePrinterVariant variant, const PagePrintSettings& s)
{
    const VariantTraits& t = traitsOf(variant);
    printer.setScaleMode(prn::vbTwips);
    preparePaper(printer, t, s);
    printer.setOrientation(t.landscape ? prn::vbPRORLandscape : prn::vbPRORPortrait);
    return bandFrameOf(t, printer);
}

QString ReportCharsNoFontHas(const QString& text)
{
    const QString missing = fonts::charsNoFontHas(text);
    if (missing.isEmpty())
        return {};
    const QString message = fonts::missingCharsMessage(missing);
    ui::MsgBox(message, ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
    return message;
}

PagePrintResult RunPagePrinter(PagePrinterVariant variant, PagePrintHost& host, prn::Printer& printer)
{
    const VariantTraits& t = traitsOf(variant);
    const PagePrintSettings s = host.printSettings();
    PagePrintResult result;
    result.error = ReportCharsNoFontHas(host.omoteBox().text() + host.nameBox().text());
    if (!result.error.isEmpty())
        return result;
    const BandFrame frame = PreparePage(printer, variant, s);

    result.copies = CopyCount(s);
    if (t.extras && s.Check2)
        LoadCompanyName(host, s);

    bool companyNameFits = true;
    const std::vector<Band> bands = pageBands(variant, t, host, s, printer, companyNameFits);
    if (!companyNameFits) {
        ui::Beep();
        host.setStatusText(CompanyNameDoesNotFit);
    }

    int copyNo = 1;
    for (; copyNo <= result.copies; ++copyNo) {
        if (!printer.BeginPage()) {
            result.error = printer.lastError();
            break;
        }
        for (const Band& b : bands)
            BandPrint(printer, *b.box, b.X, b.Y, frame);
        printer.NewPage();
        if (s.EditMode == 0)
            host.setProgressValue(copyNo + 10);
    }
    result.printCopyNo = copyNo;
    if (!printer.EndDoc() && result.error.isEmpty())
        result.error = printer.lastError();
    if (!result.error.isEmpty())
        ui::MsgBox(QStringLiteral("印刷を開始できません。プリンタの設定を確認してください。\n%1").arg(result.error),
                   ui::Buttons::Ok, ui::Icon::Exclamation, QStringLiteral("Caution"));
    if (result.error.isEmpty() && result.copies > 0) {
        std::vector<const rt::RichTextBox*> released;
        for (const Band& b : bands) {
            if (std::find(released.begin(), released.end(), b.box) == released.end()) {
                printer.releaseFormatCache(*b.box);
                released.push_back(b.box);
            }
        }
    }
    return result;
}

PagePrintResult PrintNoshiLandscape(PagePrintHost& host, prn::Printer& printer)
{
    return RunPagePrinter(PagePrinterVariant::Landscape, host, printer);
}
PagePrintResult PrintNoshiMeishi(PagePrintHost& host, prn::Printer& printer)
{
    return RunPagePrinter(PagePrinterVariant::Meishi, host, printer);
}
PagePrintResult PrintNoshiPortrait(PagePrintHost& host, prn::Printer& printer)
{
    return RunPagePrinter(PagePrinterVariant::Portrait, host, printer);
}
PagePrintResult PrintNoshiTanzaku(PagePrintHost& host, prn::Printer& printer)
{
    return RunPagePrinter(PagePrinterVariant::Tanzaku, host, printer);
}

PagePrintResult PrintNoshiLandscape(PagePrintHost& host) { return PrintNoshiLandscape(host, prn::CurrentPrinter()); }
PagePrintResult PrintNoshiMeishi(PagePrintHost& host) { return PrintNoshiMeishi(host, prn::CurrentPrinter()); }
PagePrintResult PrintNoshiPortrait(PagePrintHost& host) { return PrintNoshiPortrait(host, prn::CurrentPrinter()); }
PagePrintResult PrintNoshiTanzaku(PagePrintHost& host) { return PrintNoshiTanzaku(host, prn::CurrentPrinter()); }

} // namespace noshi
