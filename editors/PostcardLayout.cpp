#include "editors/PostcardLayout.h"

#include "platform/vb/VbNum.h"

namespace editors {

namespace {

constexpr int CardShort = 5670;   // 100 mm
constexpr int CardLong = 8392;    // 148 mm (8391.6)
constexpr int ReturnCard = 11340; // 200 mm: the return postcard opened out

} // namespace

const std::array<PostcardLayout, 5>& postcardLayouts()
{
    // text, page w × h, vertical, orientation, card across × down, announced paper
    static const std::array<PostcardLayout, 5> rows{{
        {QStringLiteral("はがき　縦置き／横書き"), 94, 142, false, 1, CardShort, CardLong, CardShort, CardLong},
        {QStringLiteral("はがき　縦置き／縦書き"), 94, 142, true, 1, CardShort, CardLong, CardShort, CardLong},
        {QStringLiteral("はがき　横置き／横書き"), 142, 94, false, 2, CardLong, CardShort, CardShort, CardLong},
        {QStringLiteral("はがき　横置き／縦書き"), 142, 94, true, 2, CardLong, CardShort, CardShort, CardLong},
        {QStringLiteral("往復はがき　縦置き／縦書き"), 194, 142, true, 1, ReturnCard, CardLong, ReturnCard, CardLong},
    }};
    return rows;
}

const PostcardLayout& defaultPostcardLayout()
{
    return postcardLayouts()[1];
}

QStringList postcardLayoutTexts()
{
    QStringList out;
    for (const PostcardLayout& l : postcardLayouts())
        out << l.text;
    return out;
}

const PostcardLayout* findPostcardLayout(const QString& text)
{
    for (const PostcardLayout& l : postcardLayouts())
        if (l.text == text)
            return &l;
    return nullptr;
}

int postcardMargin(int offsetMm)
{
    // 5 mm is 283.5 twips, taken as its even neighbour 284.
    return int(vb::RoundHalfEven(284 + offsetMm * 56.7));
}

TwipPoint postcardPlacement(const PostcardLayout* layout, const PostcardSheet& s)
{
    if (!layout)
        return {};
    const int mx = postcardMargin(s.prOffsetX);
    const int my = postcardMargin(s.prOffsetY);
    // Vertical writing is placed from the sheet's right, horizontal from its left.
    const int left0 = layout->vertical ? mx + s.ox : mx - s.ox;
    const int top0 = my - s.oy;
    if (layout->orientation == 1) {
        // Portrait: the card lies at the top; centring moves it across.
        const int spare = s.W - layout->cardAcrossTwips;
        const int across = s.centred ? spare / 2 : layout->vertical ? spare : 0;
        return {left0 + across, top0};
    }
    // Landscape: the card lies against the bottom; centring moves it up.
    const int spare = s.H - layout->cardDownTwips;
    const int across = layout->vertical ? s.W - layout->cardAcrossTwips : 0;
    return {left0 + across, top0 + (s.centred ? spare / 2 : spare)};
}

} // namespace editors
