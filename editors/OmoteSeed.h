// The page a free-size editor starts with: the main window's inscription in
// its print font, bold and thin-ink choice, at a size from the paper's height
// and the inscription-size option, moved by 4-point blank lines so that on a
// tall paper its column stands in the middle of the paper's width.
#pragma once

#include "editors/EditorHost.h"
#include "platform/richtext/Color.h"

#include <QString>

namespace rt {
class RichTextBox;
}

namespace editors {

inline const QString SeedMeasureFont = QStringLiteral("ＭＳ 明朝");
inline const QString SeedPlaceholder = QStringLiteral("表書き");

// The base size in points for a paper height in millimetres.
int SeedBaseSize(int paperHeight);
// The size offset of an inscription-size option; None keeps `previous`.
int SeedSizeDelta(OmoteSizeOption option, int previous);
// Blank lines before the inscription: 5 on a wide paper; otherwise the
// paper's width less the column's, halved, in blank lines (halves to even).
int SeedLeadLines(int paperWidth, int paperHeight, double columnExtentMm, double blankLineMm);

struct SeedInput {
    int paperWidth = 0;
    int paperHeight = 0;
    MainChoices main;
    bool measureByHeight = false; // the platform measures text by its height
    rt::Color usuzumi = 0;
    int previousDelta = 0;
};

// Writes the inscription at the page's insertion point; returns the size offset used.
int WriteSeed(rt::RichTextBox& page, const SeedInput& in);

} // namespace editors
