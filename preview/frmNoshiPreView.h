// The preview editor: one noshi page as two vertical rich-text boxes on a
// dark canvas at real size, the inscription above the name. The dispatcher
// fills it in both modes; in print mode it stays hidden and is unloaded
// after the page has gone to the printer, in edit mode it is shown and the
// user reformats, prints and saves the page here.
//
// Its hidden fields are the mailbox between the dispatcher, the saved-file
// lists, the main window and the editor's own loaders; other windows reach
// them through mailbox() only.
#pragma once

#include "platform/forms/Form.h"
#include "platform/vb/VbNum.h"
#include "preview/CanvasGeometry.h"
#include "preview/EditorControls.h"
#include "preview/PreviewMailbox.h"

#include <QString>
#include <QStyle>
#include <utility>
#include <vector>

class QAction;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolBar;

namespace rt {
class RichTextBox;
class RichTextEdit;
} // namespace rt

namespace preview {

// The menu bar, the copies, printer, font, size and baseline boxes, the
// scroll bars, the status bar and the formatter come from EditorControls.
class frmNoshiPreView : public forms::Form, public EditorControls {
    Q_OBJECT
public:
    explicit frmNoshiPreView(QWidget* parent = nullptr);
    ~frmNoshiPreView() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel) override;
    void Form_Unload(bool& cancel) override;
    void Form_Reset() override;
    // Lays the canvas out for the window's size and the page.
    void Form_Resize();

    // --- the page ---
    rt::RichTextBox* RichTextBox1 = nullptr; // inscription
    rt::RichTextBox* RichTextBox2 = nullptr; // names
    rt::RichTextEdit* RichTextBox1View = nullptr;
    rt::RichTextEdit* RichTextBox2View = nullptr;
    QWidget* Picture1 = nullptr;   // the canvas
    QLineEdit* Text2 = nullptr;    // centre marks: top, bottom, below the name box
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text12 = nullptr;

    // --- tool strips ---
    QToolBar* Toolbar1 = nullptr;
    QToolBar* Toolbar2 = nullptr;
    QPushButton* Command1 = nullptr; // "編集画面の更新(&U)"
    QRadioButton* Option1 = nullptr; // the inscription box was clicked last
    QRadioButton* Option2 = nullptr; // the name box was clicked last

    // The hidden fields, as other windows read and write them.
    PreviewMailbox& mailbox() { return mailbox_; }
    const PreviewMailbox& mailbox() const { return mailbox_; }

    bool OmotegakiChanged = false;
    bool NagakiChanged = false;
    vb::Int16 CurrentRank;

    // --- menus of the window's own ---
    QAction *mnuFileLoad1 = nullptr, *mnuList = nullptr, *mnuOfileOpen = nullptr, *mnuFileOpen = nullptr;
    QAction *mnuOfileSave = nullptr, *mnuFileSaveAs = nullptr;
    QAction* mnuUpdate = nullptr;

    // The marker boxes' width in millimetres (the name box's width).
    void setMarkerWidthMm(double mm);
    double markerWidthMm() const { return markerWidthMm_; }
    void setBoxVisible(int box, bool on); // 1 or 2

    // The canvas as last laid out and the boxes' place in it.
    const CanvasGeometry& canvasGeometry() const { return geometry_; }
    double boxLeftMm() const { return boxLeft_; }
    double omoteTopMm() const { return omoteTop_; }

    // --- commands of the window itself ---
    void Combo1_Click();
    void Command1_Click();
    void HScroll1_Change();
    void VScroll1_Change();
    void mnuFileExit_Click();

    void Toolbar1_ButtonClick(const QString& key);

    // The dispatcher laid a new page out into the window (edit mode).
    void pageLaidOut();

    // --- files of the two parts ---
    void mnuOfileSave_Click();
    void mnuFileSaveAs_Click();
    // The saves: false when nothing was saved (cancelled or failed).
    bool saveOmotePart();
    bool saveNamePart();
    void mnuOfileOpen_Click();
    void mnuFileOpen_Click();
    void mnuFileLoad1_Click();
    void mnuList_Click();
    void LoadOmotegakiFile();
    void LoadNagakiFile();
    // Lays the page out for the paper of a loaded file; false when it ended early.
    bool ApplyFileSize(int ownBox, const QString& path, const QString& templateKey, const QString& sizeName,
                       bool activationRoad);
    // Every character of the inscription box in the vertical form of its font.
    void ForceVerticalFonts();

    // --- printing and ranks ---
    void mnuFilePrint_Click();
    void BuildRankLabel();
    void PrintRankSeries();

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // --- hidden fields: the mailbox's storage ---
    QLineEdit* txtFile1 = nullptr;   // inscription file chosen in a list
    QLineEdit* txtFile2 = nullptr;   // name file chosen in a list
    QLineEdit* txtName = nullptr;    // its size name
    QLineEdit* txtSize = nullptr;    // its template key
    QLineEdit* txtFileName = nullptr;
    QLineEdit* Text3 = nullptr;      // "Load" while a page is open for editing
    QLineEdit* Text4 = nullptr;      // size name of the page
    QLineEdit* Text10 = nullptr;     // blanks before the rank label
    QLineEdit* Text11 = nullptr;     // point size of the rank label

    // Default file name of the window's file dialogs.
    QString dlgCommonDialogFileName;

    PreviewMailbox mailbox_;

    // Work of the window's own (activation, loads, rank labels): the changes
    // it makes are not the user's.
    struct OwnWork {
        explicit OwnWork(frmNoshiPreView& w) : w_(w) { ++w_.ownWork_; }
        ~OwnWork() { --w_.ownWork_; }
        frmNoshiPreView& w_;
    };
    void boxChanged(int which);
    void clearChanged(int which);
    bool savePart(int which);
    void rememberDialogFile(const QString& path);
    struct LoadRoad;
    void loadPart(const LoadRoad& road);
    void loadChosenFiles();
    void afterFileList();
    void rebuildRankLabel(int rank, int blankLinesLess);
    void printOnce();
    void buildMenus();
    void enableFileLists();
    void buildToolStrips();
    void placeBoxes(); // boxes and marks at the scrolled position

    // Tool pictures still to be given to their buttons at the first show.
    std::vector<std::pair<QAction*, QStyle::StandardPixmap>> toolPictures_;
    CanvasGeometry geometry_;
    double markerWidthMm_ = 0;
    double boxLeft_ = 0;
    double omoteTop_ = OmoteTopAtZero;
    bool scrolledAcross_ = false;
    bool activating_ = false;
    int ownWork_ = 0;
    bool omoteEdited_ = false; // changed by the user since the last save or load
    bool nameEdited_ = false;
};

// The program's one preview window, created hidden on first reference.
forms::FormRef<frmNoshiPreView>& NoshiPreView();

} // namespace preview
