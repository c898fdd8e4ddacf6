// The program is Japanese whatever the desktop's language: Qt's own texts
// (the buttons of message boxes, the file, colour, font and page-setup
// dialogs) are loaded in Japanese at start-up.
#pragma once

class QFileDialog;

namespace ui {

// Installs Qt's Japanese translations into the running application and
// sets the default locale to Japanese. False when the translation files
// are not installed (the dialogs then keep Qt's built-in English).
bool installJapaneseTranslations();

// The file dialog's detail columns (size, type, date) sized to what they
// show, so that no Japanese date or size is cut.
void fitFileDialogColumns(QFileDialog& dialog);

} // namespace ui
