// The layout's working fields. They belong to the layout alone (the main
// window's previews keep their own) and persist from one layout to the next,
// so that an input left unset (no size option on) keeps the earlier value.
#pragma once

#include "platform/vb/VbNum.h"

#include <QString>

namespace layout {

struct LayoutContext {
    vb::Int16 OmoteSizeDelta;
    vb::Int16 NameSizeDelta;
    float ColumnFontSize = 0.0f;
    float CharExtent = 0.0f;
    float MeasuredExtent = 0.0f;
    vb::Int16 LeadLines;
    // After a layout: the indent of the last column written, handed to the
    // preview as the rank-label indent.
    vb::Int16 ColumnIndent;
    QString NameText;
    vb::Int16 NameCharSize;
    vb::Int16 CharPos;
    vb::Int16 LineNo;
    vb::Int16 ShoulderTitleSize;
    vb::Int16 TwoLineOmoteSize;
    vb::Int16 OmoteExtIndent;
    // Weight of the measuring font; each member sets it before it measures.
    bool MeasureBold = false;
};

} // namespace layout
