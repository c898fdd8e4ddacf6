// The main window: the program's start-up object and the place where a job
// is put together. Its controls keep their designed names and are public,
// because the dispatcher, the layout and the configuration windows read and
// write them directly.
#pragma once

#include "model/MainSettings.h"

#include <QComboBox>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <utility>

class QAction;
class QCalendarWidget;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace rt {
class RichTextBox;
class RichTextEdit;
} // namespace rt

namespace app {

class InfoPanel;

// A list that reports when it is about to open (the font list fills itself then).
class DropDownCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;
signals:
    void dropDown();
};


class NoshiMain : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString AppTitle = QStringLiteral("Sorabeni Print System");
    static inline const QString Caption = QStringLiteral("そらべに　Sorabeni Print System Ver.6.0");
    static inline const QString VersionText = QStringLiteral("6.0.394");

    explicit NoshiMain(QWidget* parent = nullptr);
    ~NoshiMain() override;

    // --- life cycle ---
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload();
    void Form_Unload();

    // --- procedures other windows call ---
    void DrawInfoPanel();
    void SyncControlsToSize();
    void bringToFront();
    // The closing has run: the window saved its settings and stays closed.
    bool isClosed() const { return unloaded_; }

    // --- handlers (public so that tests and other windows run them as a user would) ---
    void Combo1_Click();
    void Combo2_Change();
    void Combo3_Click();
    void Combo3_Change();
    void Combo4_DropDown();
    void Combo4_Click();
    void Combo5_Click();
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Text1_Change();
    void UpDown2_Change();
    void Text2_Change();
    void Picture3_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    void Command1_Click();
    void Command7_Click();
    void Form_Resize();
    void FlatScrollBar1_Change();

    // The values the settings hold, as read at start-up.
    const MainSettings& startupSettings() const { return settings_; }
    // The values the closing step writes, taken from the controls now.
    MainSettings collectSettings() const;
    QString PictureFile;
    // The calendar, built when first shown: most starts never show it.
    QCalendarWidget* monthView();

    // --- controls ---
    QFrame* Line4 = nullptr;
    InfoPanel* Picture1 = nullptr;
    QCalendarWidget* MonthView1 = nullptr; // null until first shown: see monthView()
    rt::RichTextBox* RichTextBox1 = nullptr; // inscription preview
    rt::RichTextBox* RichTextBox2 = nullptr; // name preview
    rt::RichTextBox* RichTextBox3 = nullptr; // company name for printing (never shown)
    rt::RichTextEdit* RichTextBox1View = nullptr;
    rt::RichTextEdit* RichTextBox2View = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* Label6 = nullptr;

    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* Combo2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* Combo3 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Picture3 = nullptr;
    QPushButton* Command1 = nullptr;

    QFrame* Frame3 = nullptr;
    QLabel* Label8 = nullptr;
    QComboBox* Combo5 = nullptr;
    QPushButton* Command7 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Text1 = nullptr;
    QScrollBar* UpDown2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QCheckBox* Check1 = nullptr;

    QFrame* Frame5 = nullptr;
    QLabel* Label5 = nullptr;
    DropDownCombo* Combo4 = nullptr;
    QCheckBox* Check2 = nullptr;
    QRadioButton* Option7 = nullptr;
    QRadioButton* Option8 = nullptr;
    QCheckBox* CheckHanshiban = nullptr;

    QWidget* Picture2 = nullptr;
    QFrame* Frame8 = nullptr;
    QScrollBar* FlatScrollBar1 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QRadioButton* Option11 = nullptr;
    QRadioButton* Option33 = nullptr;
    QRadioButton* Option22 = nullptr;
    QRadioButton* OptionOB = nullptr;
    QCheckBox* CheckOBold = nullptr;
    QGroupBox* Frame6 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* OptionNB = nullptr;
    QCheckBox* CheckNBold = nullptr;
    QGroupBox* Frame7 = nullptr;
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option6 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option9 = nullptr;
    QGroupBox* Frame9 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QPushButton* Command9 = nullptr;

    // Hidden boxes.
    QLineEdit* txtFile1 = nullptr;
    QLineEdit* txtFile2 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtSize = nullptr;
    QLineEdit* Text3 = nullptr; // number of joint names
    QLineEdit* Text4 = nullptr; // first-run mark
    QLineEdit* Text5 = nullptr; // platform version

    // Colour of every text run the previews and the layout write (0 or UsuzumiColor).
    uint32_t TextColor = 0;

    // --- menus ---
    QAction* mnuFileList1 = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuPrinterSet = nullptr;
    QAction* mnuEditNew = nullptr;
    QAction* mnuFilePrintColor = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditCut = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuEditPaste = nullptr;
    QAction* mnuPLoad = nullptr;
    QAction* mnuPSave = nullptr;
    QAction* mnuMonthVew = nullptr;
    QAction* mnuShortCut = nullptr;
    QAction* mnuViewOptionsMemo = nullptr;
    QAction* mnuViewOptionsDentaku = nullptr;
    QAction* mnuHagaki = nullptr;
    QAction* mnuFreeSize = nullptr;
    QAction* mnuWiz = nullptr;
    QAction* mnuSet0 = nullptr;
    QAction* mnuSet1 = nullptr;
    QAction* mnuSet2 = nullptr;
    QAction* mnuSet8 = nullptr;
    QAction* mnuSet7 = nullptr;
    QAction* mnuList = nullptr;
    QAction* mnuFontsize = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpSearchForHelpOn = nullptr;
    QAction* mnuHelpOmote = nullptr;
    QAction* mnuHelpsuport = nullptr;
    QAction* mnuCustom = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuHelpAbout = nullptr;

    // Re-reads the hooks and enables the commands whose windows exist
    // (the free-size template also disables the print and extension commands).
    void refreshCommandAvailability();
    bool freeSizeChosen() const { return freeSizeChosen_; }

    // --- menu commands ---
    void mnuFileList1_Click();
    void mnuFilePrint_Click();
    void mnuPrinterSet_Click();
    void mnuEditNew_Click();
    void mnuFilePrintColor_Click();
    void mnuPLoad_Click();
    void mnuPSave_Click();
    void mnuMonthVew_Click();
    void mnuShortCut_Click();
    void mnuFreeSize_Click();
    void mnuHelpContents_Click();
    void openSettingsAt(int tab, bool hourglass);
    // The settings menu items and the dialog tab each opens.
    std::array<std::pair<QAction*, int>, 7> settingsMenuItems() const;

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void applyFirstGroup(const MainSettings& s);
    void applySizeOptions();
    void fillPrinterList();
    void finishActivation();
    void runOmotePreview();
    void runNamePreview();
    void unloadInputWindows();
    void setNameBoxEnabled(bool enabled);

    MainSettings settings_;
    bool loaded_ = false;
    bool freeSizeChosen_ = false;
    bool shownOnce_ = false;
    bool activatedOnce_ = false;
    bool unloaded_ = false;
    bool paintedOnce_ = false;
    // The first-run welcome and the rest of that activation, held until the
    // window has painted once.
    std::function<void()> afterFirstPaint_;
};

// Outer width of the window in twips (for the resize rule).
int outerWidthTwips(const QWidget* w);

} // namespace app
