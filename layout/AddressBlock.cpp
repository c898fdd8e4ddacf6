// Steps E1 and F1: the address block after the name columns, and the
// trailing empty lines of both boxes.
#include "layout/LayoutRun.h"

#include "model/TemplateKeys.h"
#include "platform/richtext/RichTextBox.h"

namespace layout {

namespace {
constexpr double AddressBlankSize = 5.0;
} // namespace

void LayoutRun::PlaceAddressBlock()
{
    const vb::Int16 AddressIndent = add16(in_.CurOffsetName, p_.AddressIndentBase);
    nameBox_.setSelFontName(in_.MeasureFontName);
    place_.SetSize(nameBox_, AddressBlankSize);
    place_.EndColumn(nameBox_);

    const struct { QString text; int16_t size; } items[] = {
        {host_.postcode(), p_.AddressPostalSize},
        {host_.addressLine(0), p_.AddressLineSize},
        {host_.addressLine(1), p_.AddressLineSize},
        {host_.telephone(), p_.AddressText1Size},
        {host_.fax(), p_.AddressText9Size},
    };
    for (const auto& item : items) {
        if (item.text.isEmpty())
            continue;
        // An indent pushed above the top edge writes no blanks.
        // Twice as many 5-point blanks take the room of the 10-point indent;
        // the doubling is a checked 16-bit sum like every other.
        place_.WriteBlanks(nameBox_, add16(AddressIndent, AddressIndent), AddressBlankSize);
        place_.WriteTextRun(nameBox_, item.text + QStringLiteral("\r\n"), item.size, bold(host_.nameBold()));
    }
    ctx_.CharPos = 2;
    place_.EndColumn(nameBox_);
}

void LayoutRun::PadTrailingLines()
{
    static const QString CardKeys[] = {app::TemplateKey::Card, app::TemplateKey::CardPortrait};
    int omoteLines = p_.TrailingLinesOmote;
    int nameLines = p_.TrailingLinesName;
    if (p_.Flags.TemplateTrailingLines
        && (in_.TemplateKey == CardKeys[0] || in_.TemplateKey == CardKeys[1]))
        omoteLines = nameLines = p_.TrailingLinesCard;
    for (auto [box, lines] : {std::pair{&omoteBox_, omoteLines}, std::pair{&nameBox_, nameLines}}) {
        place_.SetSize(*box, p_.TrailingLineSize);
        if (lines > 0)
            box->setSelText(QStringLiteral("\r\n").repeated(lines));
    }
}

} // namespace layout
