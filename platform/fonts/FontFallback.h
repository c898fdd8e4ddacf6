// The installed fonts as fontconfig knows them: every family the desktop
// offers, the file of a family chosen by name, and for a character that the
// chosen font lacks (rare and variant kanji of personal names) an installed
// font that has it. Kept apart from the catalogue of the four document fonts
// and from the loaded faces, which only ask it.
#pragma once

#include "platform/fonts/FontCatalog.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace fonts {

class LoadedFace;

// Loads the process's fontconfig set-up (its configuration files and font
// caches), which the first text drawn needs; safe from any thread.
void loadFontconfig();
// Every installed font family once, without vertical ("@") names, in two
// sorted lists: the Japanese fonts under their Japanese family names
// ("IPA明朝", "青柳衡山フォントT"), then the others.
struct FamilyNames {
    QStringList japanese;
    QStringList others;
};
FamilyNames installedFamilies();
// The regular face of an installed family (the name compared without case);
// nullopt when no such family is installed.
std::optional<Face> installedFace(const QString& family);
// An installed face that has the character, a Japanese serif one preferred;
// nullopt when no installed font has it.
std::optional<Face> faceWithChar(char32_t cp);

// Whether a character needs a glyph at all (blanks, line ends, selectors and
// object marks do not).
bool needsGlyph(char32_t cp);
// The face that draws a character: the chosen one when it has the character,
// else a loaded installed face that has it, else the chosen one (which then
// draws its empty box; printing checks for that first).
const LoadedFace* faceDrawing(const LoadedFace* chosen, char32_t cp);
// Whether a character is a variation selector: it picks a form of the
// character before it (an ideographic variant of a name's kanji).
bool isVariationSelector(char32_t cp);
// An installed face whose cmap has the exact form of `base` that the
// selector picks, a Japanese serif one preferred; nullopt when none has it.
std::optional<Face> faceWithSequence(char32_t base, char32_t selector);
// The face that draws one character together with the selectors and marks
// that belong to it (`cluster`). A base character with a variation selector
// is drawn in the chosen face when that face has the exact form, else in an
// installed face that has it; when no face has it, the base character is
// drawn as faceDrawing(chosen, base) would draw it.
const LoadedFace* faceDrawing(const LoadedFace* chosen, QStringView cluster);
// The characters of a text that no installed font has, each once, in order.
QString charsNoFontHas(const QString& text);
// The message that names them, shown before anything is printed.
QString missingCharsMessage(const QString& chars);

} // namespace fonts
