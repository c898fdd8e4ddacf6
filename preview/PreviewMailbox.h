// What other windows leave in the preview window and read back from it. The
// window keeps these values in its hidden fields (mode marker, size name,
// rank-label indent and size, the files a saved-file list chose, the file
// dialog's default name); everyone outside the window reaches them here,
// under names that say what they carry, never through the fields.
#pragma once

#include <QString>
#include <optional>

class QLineEdit;

namespace preview {

class PreviewMailbox {
public:
    struct Fields {
        QLineEdit* modeMarker = nullptr;      // Text3
        QLineEdit* sizeName = nullptr;        // Text4
        QLineEdit* rankIndent = nullptr;      // Text10
        QLineEdit* rankPointSize = nullptr;   // Text11
        QLineEdit* inscriptionFile = nullptr; // txtFile1
        QLineEdit* nameFile = nullptr;        // txtFile2
        QString* dialogFileName = nullptr;    // dlgCommonDialogFileName
        QLineEdit* fileSizeName = nullptr;    // txtName
        QLineEdit* fileTemplateKey = nullptr; // txtSize
        QLineEdit* chosenFileName = nullptr;  // txtFileName
    };
    PreviewMailbox() = default;
    explicit PreviewMailbox(const Fields& fields) : f_(fields) {}

    // A laid-out page is open for editing (the marker reads "Load").
    bool pageLoaded() const;
    void setPageLoaded(bool on);

    // The registered size's name of the page.
    QString sizeName() const;
    void setSizeName(const QString& name);

    // The rank label the editor places: blank lines before it and its point
    // size; nullopt when the dispatcher left none (or no number).
    std::optional<int> rankLabelIndent() const;
    std::optional<int> rankLabelPointSize() const;
    void setRankLabel(int indent, int pointSize);
    void clearRankLabel();

    // The inscription file and the name file chosen in the saved-file lists.
    QString inscriptionFile() const;
    void setInscriptionFile(const QString& path);
    QString nameFile() const;
    void setNameFile(const QString& path);

    // The registered size name and template key stored with the chosen file,
    // and the chosen name file's own name (kept, read by nobody).
    QString fileSizeName() const;
    void setFileSizeName(const QString& name);
    QString fileTemplateKey() const;
    void setFileTemplateKey(const QString& key);
    QString chosenFileName() const;
    void setChosenFileName(const QString& name);

    // The default file name of the window's file dialog.
    QString dialogFileName() const;
    void setDialogFileName(const QString& name);

private:
    Fields f_;
};

} // namespace preview
