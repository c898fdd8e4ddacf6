#include "layout/OmoteExtensions.h"

#include "platform/richtext/RichTextBox.h"
#include "platform/text/Graphemes.h"

namespace layout {

namespace {
const QString CrLf = QStringLiteral("\r\n");
constexpr float TwoLineSpacerSize = 12.0f;
} // namespace

vb::Int16 OmoteExtensions::sizeForLength(int base, qsizetype length)
{
    vb::Int16 size = vb::Int16::checked(base);
    if (length >= 6)
        size = add16(base, -4);
    if (length >= 9)
        size = add16(base, -8);
    return size;
}

void OmoteExtensions::addExtent(float points)
{
    ctx_.MeasuredExtent = ctx_.MeasuredExtent + place_.MeasureExtent(points);
}

void OmoteExtensions::MeasureShoulderTitles()
{
    ctx_.MeasuredExtent = 0.0f;
    for (const QString& title : {host_.shoulderTitleRight(), host_.shoulderTitleLeft()}) {
        addExtent(sizeForLength(ctx_.ShoulderTitleSize, text::charCount(title)));
        addExtent(place_.inputs().GapFontSize);
    }
}

void OmoteExtensions::WriteShoulderTitles()
{
    if (host_.shoulderTitleRight().isEmpty())
        host_.setShoulderTitleRight(ThreeBlanks);
    if (host_.shoulderTitleLeft().isEmpty())
        host_.setShoulderTitleLeft(ThreeBlanks);
    for (const QString& title : {host_.shoulderTitleRight(), host_.shoulderTitleLeft()}) {
        // The indent blanks of the titles are in the print font.
        box_.setSelFontName(place_.printFont());
        place_.SetSize(box_, 10);
        place_.InsertBlanks(box_, ctx_.OmoteExtIndent);
        place_.SetTextFormat(box_, host_.omoteBold());
        place_.SetSize(box_, sizeForLength(ctx_.ShoulderTitleSize, text::charCount(title)));
        box_.setSelText(title + CrLf);
        box_.setSelFontName(place_.printFont());
        place_.SetSize(box_, place_.inputs().GapFontSize);
        place_.EndColumn(box_);
    }
}

void OmoteExtensions::MeasureTwoLineOmote()
{
    ctx_.MeasuredExtent = 0.0f;
    addExtent(sizeForLength(ctx_.TwoLineOmoteSize, text::charCount(host_.twoLineOmoteRight())));
    addExtent(TwoLineSpacerSize);
    addExtent(sizeForLength(ctx_.TwoLineOmoteSize, text::charCount(host_.twoLineOmoteLeft())));
}

void OmoteExtensions::WriteTwoLineOmote()
{
    if (host_.twoLineOmoteRight().isEmpty())
        host_.setTwoLineOmoteRight(ThreeBlanks);
    if (host_.twoLineOmoteLeft().isEmpty())
        host_.setTwoLineOmoteLeft(ThreeBlanks);
    const QString right = host_.twoLineOmoteRight();
    const QString left = host_.twoLineOmoteLeft();

    place_.WriteBlanks(box_, ctx_.OmoteExtIndent, 10);
    place_.SetTextFormat(box_, host_.omoteBold());
    place_.SetSize(box_, sizeForLength(ctx_.TwoLineOmoteSize, text::charCount(right)));
    box_.setSelText(right + CrLf);

    box_.setSelFontName(place_.inputs().MeasureFontName);
    place_.SetSize(box_, TwoLineSpacerSize);
    place_.EndColumn(box_);

    place_.SetSize(box_, 10);
    place_.InsertBlanks(box_, ctx_.OmoteExtIndent);
    place_.SetTextFormat(box_, host_.omoteBold());
    place_.SetSize(box_, sizeForLength(ctx_.TwoLineOmoteSize, text::charCount(left)));
    box_.setSelText(left + CrLf);

    // The invisible column the inscription steps write after the two lines.
    host_.setOmoteText(ThreeBlanks);
}

} // namespace layout
