// The common dialogs: open and save file, folder, font and colour. Each
// returns nothing when the user cancels, which the windows treat as the end
// of the command. Tests replace the dialogs with scripted answers.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace ui {

// "label|pattern|label|pattern" (patterns separated by ";") as a Qt name
// filter list: "label (pattern pattern)". "*.*" becomes "*", so that files
// without an extension are listed as they were.
QStringList VbFilterToQt(const QString& vbFilter);

enum class DialogKind { OpenFile, SaveFile, Folder, Font, Color };

// What the font dialog starts from and what it gives back. The name is the
// one the user chose from the list, as documents store it ("ＭＳ 明朝",
// "@ＭＳ 明朝", "IPA明朝"); empty: no font preset. A size of 0: none.
struct FontChoice {
    QString name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeThru = false;
    uint32_t color = 0; // &H00BBGGRR
    bool operator==(const FontChoice&) const = default;
};

struct DialogRequest {
    DialogKind kind = DialogKind::OpenFile;
    QString title;
    QString initialPath;      // folder or file the dialog starts at
    QStringList filters;      // Qt filters (file dialogs)
    int filterIndex = 1;      // 1-based, as the windows count them
    QString defaultExt;       // save: added when the name has no extension
    FontChoice font;          // font dialog: what it starts from
    bool fontEffects = true;  // font dialog: underline, strike-through and colour offered
    uint32_t color = 0;       // colour dialog: the starting &H00BBGGRR colour
};

struct DialogAnswer {
    bool accepted = false;
    QString path;
    FontChoice font;
    uint32_t color = 0;
};

std::optional<QString> GetOpenFileName(const QString& title, const QString& initialPath,
                                       const QString& vbFilter, int filterIndex = 1);
std::optional<QString> GetSaveFileName(const QString& title, const QString& initialPath,
                                       const QString& vbFilter, int filterIndex = 1,
                                       const QString& defaultExt = QString());
std::optional<QString> ChooseFolder(const QString& title, const QString& initialDir);
// Without effects the dialog offers no underline, strike-through or colour,
// and gives back the preset's.
std::optional<FontChoice> ChooseFont(const FontChoice& preset, bool effects = true);
// Colours come and go as &H00BBGGRR values.
std::optional<uint32_t> ChooseColor(uint32_t initial, const QString& title = QString());

// Test hooks: the dialog answerer replaces every dialog; requests are recorded.
using DialogAnswerer = std::function<DialogAnswer(const DialogRequest&)>;
void setDialogAnswerer(DialogAnswerer a);     // empty function: real dialogs again
const std::vector<DialogRequest>& shownDialogs();
void clearShownDialogs();

} // namespace ui
