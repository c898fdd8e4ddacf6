// The layout interface the dispatcher sets before every layout.
#pragma once

#include "platform/richtext/Color.h"

#include <QString>
#include <cstdint>

namespace layout {

struct LayoutInputs {
    int16_t CurOffsetX = 0;     // extra blank lines before each column group
    int16_t CurOffsetOmote = 0; // blanks added to the inscription's indent
    int16_t CurOffsetName = 0;  // base of every name, furigana and address indent
    float GapFontSize = 4.0f;
    QString MeasureChar = QStringLiteral("　");
    QString MeasureFontName = QStringLiteral("ＭＳ 明朝");
    float SpaceExtent = 1.587502f; // width on paper of one blank line, mm
    rt::Color TextColor = 0;
    QString OsType = QStringLiteral("NT/XP");
    int16_t LayoutWidth = 0;    // mm
    int16_t TemplateIndex = 0;
    // Key of the current size and name style; read only by members with
    // TemplateTrailingLines.
    QString TemplateKey;
};

} // namespace layout
