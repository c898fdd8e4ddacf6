// The template keys: the first seven characters of a template name,
// full-width blanks included. Registered sizes, saved files, the dispatch
// table and the layout refer to templates through these; no other code
// spells a key.
#pragma once

#include <QString>

namespace app::TemplateKey {

inline const QString A4Test = QStringLiteral("Ａ４　テスト用");
inline const QString MoegiIwaiLarge = QStringLiteral("萌黄（祝大）　");
inline const QString MoegiShiLarge = QStringLiteral("萌黄（志大）　");
inline const QString MoegiMedium = QStringLiteral("萌黄（　中　）");
inline const QString MoegiSmall = QStringLiteral("萌黄（　小　）");
inline const QString MoegiMinoban = QStringLiteral("萌黄（美濃判）");
inline const QString MoegiHanshiban = QStringLiteral("萌黄（半紙判）");
inline const QString MoegiKitteban = QStringLiteral("萌黄（切手判）");
inline const QString MoegiShiExtraLarge = QStringLiteral("萌黄（志特大）");
inline const QString MoegiTanzaku = QStringLiteral("萌黄（短　冊）");
inline const QString TanzakuSmall = QStringLiteral("短冊（小）　　");
inline const QString TanzakuLarge = QStringLiteral("短冊（大）　　");
inline const QString TanzakuExtraLarge = QStringLiteral("短冊（特大）　");
inline const QString NoshiBukuro = QStringLiteral("熨斗袋　　　　");
inline const QString WashiLarge = QStringLiteral("和紙（大）　　");
inline const QString WashiMedium = QStringLiteral("和紙（中）　　");
inline const QString WashiSmall = QStringLiteral("和紙（小）　　");
inline const QString No1 = QStringLiteral("ＮＯ１　　　　");
inline const QString No2 = QStringLiteral("ＮＯ２　　　　");
inline const QString No3 = QStringLiteral("ＮＯ３　　　　");
inline const QString No4 = QStringLiteral("ＮＯ４　　　　");
inline const QString No5 = QStringLiteral("ＮＯ５　　　　");
inline const QString Minoban = QStringLiteral("美濃判　　　　");
inline const QString Hanshiban = QStringLiteral("半紙判　　　　");
inline const QString Kitteban = QStringLiteral("切手判　　　　");
inline const QString Honchuban = QStringLiteral("本中判　　　　");
inline const QString No16 = QStringLiteral("ＮＯ１６　　　");
inline const QString A6 = QStringLiteral("Ａ６判　　　　");
inline const QString B6 = QStringLiteral("Ｂ６判　　　　");
inline const QString A5 = QStringLiteral("Ａ５判　　　　");
inline const QString B5 = QStringLiteral("Ｂ５判　　　　");
inline const QString A4 = QStringLiteral("Ａ４判　　　　");
inline const QString B4 = QStringLiteral("Ｂ４判　　　　");
inline const QString A3 = QStringLiteral("Ａ３判　　　　");
inline const QString Tanmonoban = QStringLiteral("反物判　　　　");
inline const QString LargeTanmonoban = QStringLiteral("大反物判　　　");
inline const QString LargeTanmonobanA = QStringLiteral("大反物判Ａ　　");
inline const QString TanmonobanA = QStringLiteral("反物判Ａ　　　");
inline const QString MinobanA = QStringLiteral("美濃判Ａ　　　");
inline const QString HanshibanA = QStringLiteral("半紙判Ａ　　　");
inline const QString KittebanA = QStringLiteral("切手判Ａ　　　");
inline const QString Iwai01 = QStringLiteral("祝０１　　　　");
inline const QString Iwai02 = QStringLiteral("祝０２　　　　");
inline const QString Iwai03 = QStringLiteral("祝０３　　　　");
inline const QString ShiA = QStringLiteral("志Ａ　　　　　");
inline const QString Shi03 = QStringLiteral("志０３　　　　");
inline const QString AkaboMinoban = QStringLiteral("赤棒美濃判　　");
inline const QString Akabo00 = QStringLiteral("赤棒００　　　");
inline const QString Akabo01 = QStringLiteral("赤棒０１　　　");
inline const QString Akabo02 = QStringLiteral("赤棒０２　　　");
inline const QString Akabo03 = QStringLiteral("赤棒０３　　　");
inline const QString Akabo04 = QStringLiteral("赤棒０４　　　");
inline const QString WashiExtraLarge = QStringLiteral("和紙（特大）　");
inline const QString WashiM = QStringLiteral("和紙（Ｍ）　　");
inline const QString TanzakuB5Five = QStringLiteral("短冊Ｂ５／５Ｐ");
inline const QString TanzakuB5Six = QStringLiteral("短冊Ｂ５／６Ｐ");
inline const QString B5Special = QStringLiteral("Ｂ５判（特殊）");
inline const QString TanzakuSmallB = QStringLiteral("短冊小　　　　");
inline const QString A4Bold = QStringLiteral("Ａ４判（太字）");
inline const QString B4Bold = QStringLiteral("Ｂ４判（太字）");
inline const QString MinobanBold = QStringLiteral("美濃判（太字）");
inline const QString HanshibanBold = QStringLiteral("半紙判（太字）");
inline const QString KittebanBold = QStringLiteral("切手判（太字）");
inline const QString Card = QStringLiteral("名刺　　　　　");
inline const QString TanzakuB5Three = QStringLiteral("短冊Ｂ５／３Ｐ");
inline const QString TanzakuSpecial = QStringLiteral("短冊（特殊）　");
inline const QString A6Portrait = QStringLiteral("Ａ６判　縦　　");
inline const QString B6Portrait = QStringLiteral("Ｂ６判　縦　　");
inline const QString A5Portrait = QStringLiteral("Ａ５判　縦　　");
inline const QString B5Portrait = QStringLiteral("Ｂ５判　縦　　");
inline const QString A4Portrait = QStringLiteral("Ａ４判　縦　　");
inline const QString B4Portrait = QStringLiteral("Ｂ４判　縦　　");
inline const QString A3Portrait = QStringLiteral("Ａ３判　縦　　");
inline const QString TanzakuSpecialMedium = QStringLiteral("短冊（特殊）中");
inline const QString CardPortrait = QStringLiteral("名刺（縦）　　");
inline const QString TanzakuFree = QStringLiteral("短冊（フリー）");
inline const QString Tanzaku46 = QStringLiteral("短冊（４：６）");
inline const QString No0 = QStringLiteral("Ｎｏ０　　　　");
inline const QString TanzakuSpecialB = QStringLiteral("短冊（特殊Ｂ）");
// Keys the dispatch table lists that have no template row of their own.
inline const QString GoreizenFudaLarge = QStringLiteral("御霊前札（大）");
inline const QString GoreizenFudaSmall = QStringLiteral("御霊前札（小）");

} // namespace app::TemplateKey
