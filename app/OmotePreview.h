// The inscription preview in the main window's RichTextBox1: a sketch of
// the inscription column on one fixed template (row 7 at half scale), with
// the shoulder titles or the two-line inscription of the extension window.
// It measures nothing: lead lines and indents come from fixed tables.
#pragma once

#include "app/PreviewFields.h"

#include <QString>

namespace app {

class InputWindows;
class PreviewPen;

// Lead lines and indent of the one-line inscription by platform family and length.
struct OmotePlacement {
    int ColumnIndent = 0;
    int LeadLines = 0;
};
OmotePlacement omotePlacement(const QString& osType, qsizetype length);
// Size of a shoulder title or two-line line of that length from its base size.
int omoteExtensionSize(int base, qsizetype length);

class OmotePreview {
public:
    OmotePreview(InputWindows& windows, PreviewFields& fields) : w_(windows), f_(fields) {}
    void draw(); // DrawOmotegakiPreview

private:
    void drawShoulderTitles(PreviewPen& pen);
    void drawTwoLineOmote(PreviewPen& pen);
    void drawOneLineOmote(PreviewPen& pen, const QString& omote);
    void textStyle(PreviewPen& pen) const;

    InputWindows& w_;
    PreviewFields& f_;
};

} // namespace app
