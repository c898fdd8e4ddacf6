// The name preview in the main window's RichTextBox2: a sketch of the name
// by name style (one line, company and person, joint names) and the address
// block, on the same fixed template as the inscription preview. An object
// file shows its path; a rank range shows the rank label.
#pragma once

#include "app/PreviewFields.h"

#include <QString>

namespace layout {
enum class SizeOption;
}

namespace app {

class InputWindows;
class PreviewPen;

// Tables of the one-line name: size delta, lead lines and size by length.
int oneLineNameDelta(layout::SizeOption option, qsizetype omoteLength, qsizetype nameLength);
int oneLineNameLeadLines(const QString& osType, qsizetype nameLength);
int oneLineNameSize(int delta, qsizetype nameLength); // before halving; 0 for an empty name
// Size of a joint name of that length.
int jointNameSize(int delta, qsizetype length);
// Blanks between the letters of the person's name of the two-line style.
int personNameGap(int maxLength, qsizetype length);

class NamePreview {
public:
    NamePreview(InputWindows& windows, PreviewFields& fields) : w_(windows), f_(fields) {}
    void draw(); // DrawNameWritingPreview

private:
    void drawOneLine(PreviewPen& pen);
    void drawTwoLine(PreviewPen& pen);
    void drawJoint(PreviewPen& pen);
    void drawAddress(PreviewPen& pen);
    void RankLabelPreview();
    void textStyle(PreviewPen& pen) const;
    // The two- and joint-name styles' size steps; "extra" differs between them.
    void setNameSizeDelta(layout::SizeOption option, int extraDelta);
    bool specialStripTemplate() const;

    InputWindows& w_;
    PreviewFields& f_;
};

} // namespace app
