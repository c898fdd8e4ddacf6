// Document font names and the installed faces that stand in for them.
// Documents, settings and lists keep the Windows names ("ＭＳ 明朝" ...);
// measuring and drawing use the IPA faces. A leading "@" names the same
// face set vertically. Any other installed font is used as itself; a font
// that is not installed falls back to IPAMincho.
#pragma once

#include <QString>
#include <QStringList>

namespace fonts {

struct Face {
    QString file;       // path of the font file
    int index = 0;      // face index inside the file
    QString family;     // family name of the installed face, e.g. "IPAMincho"
    bool fallback = false; // the requested font was not found
};

Face resolve(const QString& documentFontName);
// The fonts offered in font lists: the four document names first, then the
// installed Japanese families under their Japanese names, then every other
// installed family; each once, none with "@".
QStringList japaneseFontNames();
// The font dialog's list: the same, with the vertical ("@") form of each
// Japanese name after the Japanese names and before the others.
QStringList fontDialogNames();
// "@ＭＳ 明朝" -> "ＭＳ 明朝"
QString baseName(const QString& documentFontName);
bool isVerticalName(const QString& documentFontName);

} // namespace fonts
