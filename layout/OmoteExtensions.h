// The shoulder titles and the two-line inscription: measured and written
// for every member from ShoulderTitleSize, TwoLineOmoteSize and
// OmoteExtIndent, which the calling step sets first.
#pragma once

#include "layout/LayoutContext.h"
#include "layout/LayoutHost.h"
#include "layout/Placement.h"

namespace rt { class RichTextBox; }

namespace layout {

class OmoteExtensions {
public:
    OmoteExtensions(const Placement& place, LayoutContext& ctx, LayoutHost& host, rt::RichTextBox& omoteBox)
        : place_(place), ctx_(ctx), host_(host), box_(omoteBox) {}

    // Size of a title or line of that length from its base size: longer
    // texts step down by 4 points from 6 characters and by 8 from 9.
    static vb::Int16 sizeForLength(int base, qsizetype length);

    void MeasureShoulderTitles();
    void WriteShoulderTitles();
    void MeasureTwoLineOmote();
    void WriteTwoLineOmote();

private:
    void addExtent(float points);

    const Placement& place_;
    LayoutContext& ctx_;
    LayoutHost& host_;
    rt::RichTextBox& box_;
};

// Stands in for an empty title or line beside a filled one.
inline const QString ThreeBlanks = QStringLiteral("　　　");

} // namespace layout
