// The members of LayoutTemplate: one parameter set per group of templates.
#pragma once

#include "layout/TemplateParameterSet.h"

#include <QStringView>
#include <span>

namespace layout {

extern const TemplateParameterSet LayoutNoshiLarge;
extern const TemplateParameterSet LayoutNoshiMedium;
extern const TemplateParameterSet LayoutNoshiSmall;
extern const TemplateParameterSet LayoutWashiSmall;
// Strips
extern const TemplateParameterSet LayoutTanzakuLarge;
extern const TemplateParameterSet LayoutTanzaku46;
extern const TemplateParameterSet LayoutTanzakuSmall;
extern const TemplateParameterSet LayoutTanzakuSmallB;
extern const TemplateParameterSet LayoutTanzakuExtraLarge;
// B5 strip sheets and special strips
extern const TemplateParameterSet LayoutTanzakuSheet;
extern const TemplateParameterSet LayoutTanzakuSheet3;
extern const TemplateParameterSet LayoutTanzakuSpecial;
extern const TemplateParameterSet LayoutTanzakuSpecialMedium;
extern const TemplateParameterSet LayoutTanzakuSpecialB;

// 美濃判, 半紙判 and 切手判, plain and bold
extern const TemplateParameterSet LayoutMinoban;
extern const TemplateParameterSet LayoutMinobanBold;
extern const TemplateParameterSet LayoutHanshiban;
extern const TemplateParameterSet LayoutHanshibanBold;
extern const TemplateParameterSet LayoutKitteban;
extern const TemplateParameterSet LayoutKittebanBold;
// Ａ５判, Ａ４判, Ａ３判, Ｂ４判, the bold Ｂ４判 and Ａ４判, and 和紙（Ｍ）
extern const TemplateParameterSet LayoutA5;
extern const TemplateParameterSet LayoutA4;
extern const TemplateParameterSet LayoutA3;
extern const TemplateParameterSet LayoutB4;
extern const TemplateParameterSet LayoutB4Bold;
extern const TemplateParameterSet LayoutA4Bold;
extern const TemplateParameterSet LayoutWashiM;
// The numbered models Ｎｏ０ to ＮＯ４ (ＮＯ２ also lays out the business cards)
extern const TemplateParameterSet LayoutModelNo0;
extern const TemplateParameterSet LayoutModelNo1;
extern const TemplateParameterSet LayoutModelNo2;
extern const TemplateParameterSet LayoutModelNo3;
extern const TemplateParameterSet LayoutModelNo4;
// ＮＯ１６, Ｂ６判, the wide papers 反物判 and their kin, and Ｂ５判（特殊）
extern const TemplateParameterSet LayoutModelNo16;
extern const TemplateParameterSet LayoutB6;
extern const TemplateParameterSet LayoutTanmonoban;
extern const TemplateParameterSet LayoutB5Special;
// The members of each group that lay out their templates.
std::span<const TemplateParameterSet* const> traditionalSizeMembers();
std::span<const TemplateParameterSet* const> standardSizeMembers();
std::span<const TemplateParameterSet* const> stripMembers();
std::span<const TemplateParameterSet* const> stripSheetMembers();
std::span<const TemplateParameterSet* const> numberedModelMembers();
std::span<const TemplateParameterSet* const> modelWidePaperMembers();

// Every member known so far, for look-up by name.
std::span<const TemplateParameterSet* const> layoutMembers();
// The member of that name ("LayoutNoshiLarge" ...), nullptr when unknown.
const TemplateParameterSet* findLayoutMember(QStringView name);

} // namespace layout
