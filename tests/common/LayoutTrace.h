// A line-per-item dump of a rich-text box for comparing laid-out pages:
//   BL n font size                    n empty paragraphs, marks in that format
//   SP n font size                    n half-width blanks in one format
//   TX "text" font size b=0|1 c=RRGGBB other characters in one format
//   EC font size                      end of a non-empty paragraph, its mark
//   OB kind                           an embedded object or picture
// Neighbouring items merge where kind and format agree. The last paragraph
// is open (no paragraph end follows it): it prints its items only.
#pragma once

#include "platform/richtext/RichDocument.h"

#include <QString>

QString traceBox(const rt::RichDocument& doc);
// Size with at most two decimals and no trailing zeros: 10, 10.5, 1.41.
QString traceSize(double points);
