// The settings dialog's company-name tab: the names printed at the edge of
// celebration (祝のし) and condolence (仏のし) sheets, each edited as a
// short vertical rich text, saved to a file of the user's choice, and given
// the edge of the sheet it prints at.
#pragma once

#include "config/Noshisettei.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace noshi {
class UpDown;
}
namespace rt {
class RichTextBox;
class RichTextEdit;
} // namespace rt

namespace config {

class CompanyNamePage : public SettingsTab {
    Q_OBJECT
public:
    enum Sheet { Iwai = 0, Hotoke = 1 }; // 祝のし, 仏のし

    explicit CompanyNamePage(Noshisettei& dialog);
    ~CompanyNamePage() override;

    void loadTab() override;
    void queryUnloadTab(bool& cancel) override;

    // Both boxes from their files, vertical fonts throughout; the flags cleared.
    void SetupCompanyNameBoxes();
    void chooseSheet(Sheet sheet);   // Option7 / Option8
    void chooseEdge(bool left);      // Option9 / Option10
    void boxClicked(Sheet sheet);
    void Text1_Change();             // size of the selection
    void Command2_Click();           // font
    void Command10_Click();          // colour
    void Command3_Click();           // save
    void Command4_Click();           // open
    void Command14_Click();          // clear

    Sheet currentSheet() const;
    rt::RichTextBox* box(Sheet sheet) const { return sheet == Iwai ? RichTextBox2 : RichTextBox1; }
    bool changed(Sheet sheet) const { return sheet == Iwai ? CoNameAChanged : CoNameBChanged; }

    rt::RichTextBox* RichTextBox2 = nullptr; // 祝のし
    rt::RichTextBox* RichTextBox1 = nullptr; // 仏のし
    rt::RichTextEdit* view2 = nullptr;
    rt::RichTextEdit* view1 = nullptr;
    QWidget* Picture1 = nullptr;
    QRadioButton* Option7 = nullptr;  // 祝のし印刷用
    QRadioButton* Option8 = nullptr;  // 仏のし印刷用
    QRadioButton* Option9 = nullptr;  // left edge
    QRadioButton* Option10 = nullptr; // right edge
    QPushButton* Command2 = nullptr;
    QPushButton* Command10 = nullptr;
    QLineEdit* Text1 = nullptr;
    noshi::UpDown* UpDown1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command14 = nullptr;

private:
    QString& path(Sheet sheet) const;
    bool& edge(Sheet sheet) const;
    void showEdge();
    // The selection's font name and colour in Label2; false when the selection mixes them.
    bool showSelectionFont();
    // The selection is not empty; otherwise the user is told to select.
    bool selectionChosen();
    QString fileFolder() const;

    bool& changedFlag(Sheet sheet) { return sheet == Iwai ? CoNameAChanged : CoNameBChanged; }

    // A box changed since it was last loaded, saved or cleared: its save
    // question comes before the dialog closes.
    bool CoNameAChanged = false; // 祝のし
    bool CoNameBChanged = false; // 仏のし
    bool showingSize_ = false;
};

} // namespace config
