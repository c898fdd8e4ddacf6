// The working fields of the main window's two previews. They are the
// previews' own: a preview redrawn while a page is being laid out (the
// layout writes the inscription or the name back into the main window)
// must leave the layout's fields and its text colour alone.
#pragma once

#include "platform/richtext/Color.h"
#include "platform/vb/VbNum.h"

#include <QString>

namespace app {

struct PreviewFields {
    rt::Color TextColor = 0;
    vb::Int16 OmoteSizeDelta;
    vb::Int16 NameSizeDelta;
    vb::Int16 ColumnIndent;
    vb::Int16 LeadLines;
    vb::Int16 ShoulderTitleSize;
    vb::Int16 TwoLineOmoteSize;
    vb::Int16 OmoteExtIndent;
    vb::Int16 LineNo;
    vb::Int16 CharPos;
    vb::Int16 NameCharSize;
    QString NameText;
};

} // namespace app
