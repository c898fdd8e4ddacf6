#include "layout/LayoutTemplate.h"

#include "layout/LayoutRun.h"
#include "platform/vb/VbNum.h"

#include <cmath>

namespace layout {

LayoutRun::LayoutRun(const TemplateParameterSet& p, LayoutContext& ctx, const LayoutInputs& in,
                     LayoutHost& host, rt::RichTextBox& omoteBox, rt::RichTextBox& nameBox)
    : p_(p), ctx_(ctx), in_(in), host_(host), omoteBox_(omoteBox), nameBox_(nameBox),
      place_(in, ctx, host.printFontName()),
      ext_(place_, ctx, host, omoteBox)
{
}

void LayoutRun::run()
{
    // Each member sets the measuring weight itself, so that no layout
    // depends on which member ran before it.
    ctx_.MeasureBold = p_.Flags.BoldLayout;
    ReadOmoteSizeOption();
    MeasureOmote();
    BeginOmoteBox();
    AdjustForShoulderTitles();
    WriteOmoteTopLines();
    PlaceShoulderTitles();
    PlaceTwoLineOmote();
    IndentOmote();
    WriteOmote();
    if (StopForObjectFile())
        return;
    ChooseNameStyle();
    PlaceAddressBlock();
    PadTrailingLines();
}

void LayoutRun::ChooseNameStyle()
{
    switch (host_.nameStyle()) {
    case app::NameStyle::OneLine: layOutOneLineName(); break;
    case app::NameStyle::TwoLine: layOutTwoLineName(); break;
    case app::NameStyle::Joint: layOutJointNames(); break;
    case app::NameStyle::None: break;
    }
}

QString ValidateLayoutInputs(const LayoutInputs& in, const LayoutHost& host)
{
    if (!std::isfinite(in.SpaceExtent) || in.SpaceExtent <= 0.0f)
        return QStringLiteral("空白行の幅（%1 mm）が正しくありません。").arg(in.SpaceExtent);
    if (!std::isfinite(in.GapFontSize) || in.GapFontSize < 1.0f)
        return QStringLiteral("空白行の文字サイズ（%1）が正しくありません。").arg(in.GapFontSize);
    if (in.MeasureChar.isEmpty() || in.MeasureFontName.isEmpty())
        return QStringLiteral("計測用の文字またはフォントが設定されていません。");
    std::array<int16_t, 4> sizes{};
    if (in.TemplateIndex < 0 || in.TemplateIndex > 100 || !host.omoteSizes(in.TemplateIndex, sizes))
        return QStringLiteral("ひな形（番号 %1）が見つかりません。").arg(in.TemplateIndex);
    if (host.printFontName().trimmed().isEmpty())
        return QStringLiteral("印刷フォントが選択されていません。");
    if (host.nameStyle() == app::NameStyle::Joint) {
        const auto count = vb::ToNumber(host.jointCountText());
        if (!count || *count != std::floor(*count) || *count < 0 || *count > 7)
            return QStringLiteral("連名の人数（%1）が正しくありません。").arg(host.jointCountText());
    }
    return {};
}

LayoutResult LayoutTemplate(const TemplateParameterSet& member, LayoutContext& context,
                            const LayoutInputs& inputs, LayoutHost& host,
                            rt::RichTextBox& omoteBox, rt::RichTextBox& nameBox)
{
    const QString invalid = ValidateLayoutInputs(inputs, host);
    if (!invalid.isEmpty())
        return {LayoutResult::Status::InvalidInput, invalid};
    try {
        LayoutRun(member, context, inputs, host, omoteBox, nameBox).run();
    } catch (const LayoutAborted& e) {
        return {LayoutResult::Status::Aborted, e.message()};
    } catch (const vb::OverflowError&) {
        return {LayoutResult::Status::Aborted,
                QStringLiteral("レイアウトの計算が範囲を超えました。位置の調整値を確認してください。")};
    }
    return {};
}

} // namespace layout
