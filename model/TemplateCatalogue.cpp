#include "model/TemplateCatalogue.h"

#include "model/TemplateKeys.h"

#include <algorithm>
#include <stdexcept>

namespace app {

namespace {

struct RowData {
    const QString* key;
    const char16_t* size; // the size text shown after the key
    int width, height, len1, len2, len3, len4, omoteUp, nameUp;
};

// Names are the key and the size text exactly, blanks included: lists show
// them as they are.
const RowData kRows[BuiltinTemplateCatalogue::TemplateCount + 1] = {
    {&TemplateKey::A4Test, u"　                        ", 297, 210, 88, 52, 48, 40, 7, 26},
    {&TemplateKey::MoegiIwaiLarge, u"　390×180㎜　3142  3136  3139      ", 390, 180, 86, 52, 46, 36, 4, 22},
    {&TemplateKey::MoegiShiLarge, u"　390×180㎜　3176　3179  3145      ", 390, 180, 86, 52, 46, 36, 4, 22},
    {&TemplateKey::MoegiMedium, u"　390×135㎜　3143　3146  3177  3180", 390, 135, 70, 42, 36, 28, 3, 14},
    {&TemplateKey::MoegiSmall, u"　300×110㎜　3144　3147  3178  3181", 300, 110, 56, 36, 32, 24, 2, 12},
    {&TemplateKey::MoegiMinoban, u"　390×268㎜　3148  3182  3185      ", 390, 268, 100, 64, 62, 46, 10, 27},
    {&TemplateKey::MoegiHanshiban, u"　310×225㎜　3149  3183  3186      ", 310, 225, 90, 56, 52, 42, 6, 26},
    {&TemplateKey::MoegiKitteban, u"　268×195㎜　3150  3184  3187      ", 268, 195, 88, 52, 48, 38, 6, 24},
    {&TemplateKey::MoegiShiExtraLarge, u"　600×200㎜　3190                  ", 600, 200, 88, 52, 48, 38, 6, 24},
    {&TemplateKey::MoegiTanzaku, u"　 48×270㎜　3739～3750            ", 48, 270, 100, 62, 58, 46, 14, 22},
    {&TemplateKey::TanzakuSmall, u"　 46×211㎜                        ", 46, 211, 90, 56, 52, 40, 9, 16},
    {&TemplateKey::TanzakuLarge, u"　 60×265㎜　                      ", 60, 265, 100, 62, 58, 46, 14, 22},
    {&TemplateKey::TanzakuExtraLarge, u"　 85×364㎜　6137                  ", 85, 364, 140, 120, 100, 70, 10, 25},
    {&TemplateKey::NoshiBukuro, u"　106×190㎜                        ", 106, 190, 88, 52, 46, 36, 6, 24},
    {&TemplateKey::WashiLarge, u"　375×180㎜                        ", 375, 180, 86, 52, 46, 36, 4, 22},
    {&TemplateKey::WashiMedium, u"　320×134㎜                        ", 320, 134, 70, 42, 36, 28, 3, 14},
    {&TemplateKey::WashiSmall, u"　185×105㎜                        ", 185, 105, 56, 36, 32, 24, 1, 12},
    {&TemplateKey::No1, u"　120× 75㎜                        ", 120, 75, 44, 26, 22, 16, 1, 2},
    {&TemplateKey::No2, u"　152× 90㎜                        ", 152, 90, 48, 30, 28, 20, 1, 7},
    {&TemplateKey::No3, u"　180× 95㎜                        ", 180, 95, 50, 32, 30, 22, 1, 8},
    {&TemplateKey::No4, u"　205×120㎜                        ", 205, 120, 64, 40, 34, 26, 2, 11},
    {&TemplateKey::No5, u"　210×135㎜                        ", 210, 135, 70, 42, 36, 28, 3, 14},
    {&TemplateKey::Minoban, u"　390×270㎜                        ", 390, 270, 100, 64, 62, 46, 10, 27},
    {&TemplateKey::Hanshiban, u"　300×225㎜                        ", 300, 225, 90, 56, 52, 42, 6, 26},
    {&TemplateKey::Kitteban, u"　270×195㎜                        ", 270, 195, 88, 52, 48, 38, 6, 24},
    {&TemplateKey::Honchuban, u"　270×195㎜                        ", 270, 195, 88, 52, 48, 38, 6, 24},
    {&TemplateKey::No16, u"　255×180㎜                        ", 255, 180, 86, 52, 46, 36, 4, 24},
    {&TemplateKey::A6, u"　148×105㎜                        ", 148, 105, 56, 36, 32, 23, 1, 11},
    {&TemplateKey::B6, u"　182×129㎜                        ", 182, 129, 68, 40, 36, 28, 2, 15},
    {&TemplateKey::A5, u"　210×148㎜                        ", 210, 148, 72, 46, 38, 30, 4, 18},
    {&TemplateKey::B5, u"　257×182㎜                        ", 257, 182, 86, 52, 46, 36, 4, 24},
    {&TemplateKey::A4, u"　297×210㎜                        ", 297, 210, 88, 52, 48, 40, 7, 26},
    {&TemplateKey::B4, u"　364×257㎜                        ", 364, 257, 110, 68, 60, 48, 8, 28},
    {&TemplateKey::A3, u"　420×297㎜                        ", 420, 297, 116, 70, 66, 52, 8, 28},
    {&TemplateKey::Tanmonoban, u"　444×318㎜                        ", 444, 318, 116, 78, 74, 52, 8, 28},
    {&TemplateKey::LargeTanmonoban, u"　445×324㎜                        ", 445, 324, 116, 78, 74, 52, 8, 28},
    {&TemplateKey::LargeTanmonobanA, u"　530×385㎜                        ", 530, 385, 116, 70, 66, 52, 8, 28},
    {&TemplateKey::TanmonobanA, u"　440×330㎜                        ", 440, 330, 116, 70, 66, 52, 8, 28},
    {&TemplateKey::MinobanA, u"　380×265㎜                        ", 380, 265, 100, 62, 58, 46, 10, 27},
    {&TemplateKey::HanshibanA, u"　300×230㎜                        ", 300, 230, 90, 56, 52, 42, 6, 26},
    {&TemplateKey::KittebanA, u"　270×190㎜                        ", 270, 190, 86, 52, 46, 36, 6, 24},
    {&TemplateKey::Iwai01, u"　265×150㎜                        ", 265, 150, 72, 46, 38, 30, 4, 18},
    {&TemplateKey::Iwai02, u"　220×125㎜                        ", 220, 125, 64, 40, 34, 26, 2, 11},
    {&TemplateKey::Iwai03, u"　220×100㎜                        ", 220, 100, 50, 32, 30, 22, 1, 8},
    {&TemplateKey::ShiA, u"　530×265㎜                        ", 530, 265, 100, 62, 58, 46, 8, 27},
    {&TemplateKey::Shi03, u"　225×150㎜                        ", 225, 150, 72, 46, 38, 30, 4, 18},
    {&TemplateKey::AkaboMinoban, u"　390×265㎜                        ", 390, 265, 100, 62, 58, 46, 10, 27},
    {&TemplateKey::Akabo00, u"　150×75㎜                         ", 150, 75, 44, 26, 24, 16, 1, 2},
    {&TemplateKey::Akabo01, u"　210×100㎜                        ", 210, 100, 50, 32, 30, 22, 1, 8},
    {&TemplateKey::Akabo02, u"　210×130㎜                        ", 210, 130, 68, 40, 36, 28, 2, 15},
    {&TemplateKey::Akabo03, u"　250×150㎜                        ", 250, 150, 72, 46, 38, 30, 4, 18},
    {&TemplateKey::Akabo04, u"　260×180㎜                        ", 260, 180, 86, 52, 46, 36, 4, 24},
    {&TemplateKey::WashiExtraLarge, u"　640×150㎜                        ", 640, 150, 72, 46, 38, 30, 4, 18},
    {&TemplateKey::WashiM, u"　390×157㎜                        ", 390, 157, 74, 48, 40, 32, 4, 18},
    {&TemplateKey::TanzakuB5Five, u"　 50×160㎜ * 5p                   ", 50, 160, 72, 46, 38, 30, 4, 18},
    {&TemplateKey::TanzakuB5Six, u"　 39×155㎜ * 6p                   ", 39, 155, 72, 46, 38, 30, 4, 18},
    {&TemplateKey::B5Special, u"　257×182㎜                        ", 257, 182, 50, 30, 30, 24, 4, 24},
    {&TemplateKey::TanzakuSmallB, u"　 45×192㎜                        ", 46, 192, 90, 56, 52, 40, 6, 16},
    {&TemplateKey::A4Bold, u"　297×210㎜                        ", 297, 210, 120, 90, 70, 50, 3, 10},
    {&TemplateKey::B4Bold, u"　364×257㎜                        ", 364, 257, 150, 110, 90, 60, 3, 10},
    {&TemplateKey::MinobanBold, u"　390×270㎜                        ", 390, 270, 150, 110, 90, 60, 3, 10},
    {&TemplateKey::HanshibanBold, u"　300×225㎜                        ", 300, 225, 120, 90, 70, 50, 3, 10},
    {&TemplateKey::KittebanBold, u"　270×195㎜                        ", 270, 195, 100, 80, 64, 44, 3, 10},
    {&TemplateKey::Card, u"　 55× 90㎜                        ", 55, 90, 48, 30, 28, 20, 1, 7},
    {&TemplateKey::TanzakuB5Three, u"　 60×257㎜ * 3p                   ", 60, 257, 110, 68, 60, 48, 4, 3},
    {&TemplateKey::TanzakuSpecial, u"　120×300㎜                        ", 120, 300, 116, 80, 76, 52, 8, 20},
    {&TemplateKey::A6Portrait, u"　105×148㎜                        ", 105, 148, 72, 46, 38, 30, 4, 18},
    {&TemplateKey::B6Portrait, u"　129×182㎜                        ", 129, 182, 86, 52, 46, 36, 4, 24},
    {&TemplateKey::A5Portrait, u"　148×210㎜                        ", 148, 210, 88, 52, 48, 40, 7, 26},
    {&TemplateKey::B5Portrait, u"　182×257㎜                        ", 182, 257, 110, 68, 60, 48, 8, 28},
    {&TemplateKey::A4Portrait, u"　210×297㎜                        ", 210, 297, 116, 70, 66, 52, 8, 28},
    {&TemplateKey::B4Portrait, u"　257×364㎜                        ", 257, 364, 116, 70, 66, 52, 8, 28},
    {&TemplateKey::A3Portrait, u"　297×420㎜                        ", 297, 420, 116, 70, 66, 52, 8, 28},
    {&TemplateKey::TanzakuSpecialMedium, u"　120×180㎜                        ", 120, 180, 86, 52, 46, 36, 4, 22},
    {&TemplateKey::CardPortrait, u"　 55× 90㎜                        ", 55, 90, 48, 30, 28, 20, 1, 7},
    {&TemplateKey::TanzakuFree, u"　                                  ", 120, 300, 30, 30, 30, 30, 2, 2},
    {&TemplateKey::Tanzaku46, u"　 55×270㎜                        ", 55, 270, 100, 62, 58, 46, 14, 22},
    {&TemplateKey::No0, u"　120× 60㎜                        ", 120, 60, 40, 23, 21, 15, 1, 2},
    {&TemplateKey::TanzakuSpecialB, u"　120× 180㎜                        ", 120, 180, 86, 52, 46, 36, 4, 22},
};

QString rtrimBlanks(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && (s[n - 1] == u' ' || s[n - 1] == u'\u3000'))
        --n;
    return s.left(n);
}

} // namespace

int BuiltinTemplate::omoteSizeForLength(qsizetype length) const
{
    if (length <= 1)
        return OmoteSizeLen1;
    if (length == 2)
        return OmoteSizeLen2;
    if (length == 3)
        return OmoteSizeLen3;
    return OmoteSizeLen4;
}

BuiltinTemplateCatalogue::BuiltinTemplateCatalogue() = default;

void BuiltinTemplateCatalogue::build()
{
    for (int i = 0; i <= TemplateCount; ++i) {
        const RowData& d = kRows[i];
        rows_[i] = BuiltinTemplate{*d.key + QString::fromUtf16(d.size), d.width, d.height, d.len1,
                                   d.len2, d.len3, d.len4, d.omoteUp, d.nameUp};
    }
    // After the last template: the upward limits for a key that names none.
    rows_[NotFound].TemplateOmoteUpLimit = 20;
    rows_[NotFound].TemplateNameUpLimit = 30;
    built_ = true;
}

const BuiltinTemplate& BuiltinTemplateCatalogue::row(int index) const
{
    if (index < 0 || index >= Capacity)
        throw std::out_of_range("template row out of range");
    return rows_[size_t(index)];
}

QList<int> BuiltinTemplateCatalogue::filledRows(int firstRow) const
{
    QList<int> rows;
    for (int i = std::max(firstRow, 0); i <= TemplateCount; ++i) {
        if (!rows_[size_t(i)].isEmpty())
            rows << i;
    }
    return rows;
}

int BuiltinTemplateCatalogue::find(const QString& key, int firstRow) const
{
    // Keys are stored filled to seven characters; files and typed text may
    // carry fewer filling blanks, so both sides lose their trailing ones.
    const QString wanted = rtrimBlanks(key);
    int i = firstRow < 0 ? 0 : firstRow;
    for (; i <= TemplateCount; ++i) {
        if (!rows_[size_t(i)].isEmpty() && rtrimBlanks(rows_[size_t(i)].key()) == wanted)
            return i;
    }
    return NotFound;
}

} // namespace app
