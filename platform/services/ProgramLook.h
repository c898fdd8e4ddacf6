// How the program's windows look, whatever the desktop: set once at start-up.
// - The face every window's measures were designed for, the 9-point
//   proportional Gothic, is the application's default font, so that a window
//   or dialog without a font of its own shows its Japanese captions in it
//   directly; the desktop's default ("Sans Serif") has no Japanese, and
//   every caption in it made Qt ask fontconfig for a stand-in face.
// - The standard icons Qt's style reads from image files (the arrow of a
//   menu bar too narrow for its menus) are read when first drawn: reading
//   one at start-up made Qt load every image plugin to identify the file.
#pragma once

#include <QFont>

namespace ui {

QFont japaneseUiFont(double points = 9);
// Makes japaneseUiFont() the running application's default font and
// wraps its style so that file-based standard icons are read on first use.
void useProgramLook();

} // namespace ui
