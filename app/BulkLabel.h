// The bulk display label and its file: what the label editor's commands do
// to the label box, apart from the window. The box is what gets printed; the
// file is only where OK keeps it between runs, so every command takes care
// that a failure neither loses what the box holds nor reports success.
#pragma once

#include <QString>

namespace rt {
class RichTextBox;
struct EmbeddedObject;
}

namespace app {

inline const QString LabelFileKey = QStringLiteral("LabelFile");
inline const QString DefaultLabelFileName = QStringLiteral("一括表示.rtf");
inline const QString BulkLabelMessageTitle = QStringLiteral("一括表示ラベル");

// The default label file: the folder and the name with one separator between.
QString defaultLabelFilePath(const QString& programFolder);

class BulkLabel {
public:
    explicit BulkLabel(rt::RichTextBox& box) : box_(box) {}

    // The label box as every command leaves it: vertical writing.
    void prepareBox();

    // Takes the path from the setting (or the default) and loads it. A file
    // that is not there gives an empty label without a word; one that is
    // there but cannot be read is reported and protected until the user
    // confirms that OK may replace it.
    void load();

    // OK: saves the box to the label file and remembers its path in the
    // setting. False (reported, or declined by the user) when the label was
    // not saved; the window then stays open.
    bool save();

    // New: an empty label; the path stays, so OK replaces the file.
    void newLabel();

    // Open, save as and insert object: each asks for a file and ends without
    // a change when the dialog is cancelled; other failures are reported and
    // leave the box and the path as they were. True when the command did its work.
    bool open();
    bool saveAs();
    bool insertObject();

    // A double-click on an object in the label: its file is written out to a
    // folder of this run and handed to the desktop, which opens it with the
    // program for its type. A failure gets a message naming the file.
    bool openObject(const rt::EmbeddedObject& obj);

    const QString& LabelFilePath() const { return LabelFilePath_; }

    // Six half-width blanks move an inserted object down its column.
    static constexpr int ObjectLeadBlanks = 6;
    // The label box: a square of about 72 mm.
    static constexpr double BoxSideMm = 72.0;

private:
    bool mayReplace(const QString& path) const;

    rt::RichTextBox& box_;
    QString LabelFilePath_;
    // A label file that exists but could not be read: not overwritten unasked.
    QString unreadFile_;
};

} // namespace app
