// Registering, deleting and changing paper sizes. One set of steps serves
// every page that registers sizes (the settings dialog's registration tab,
// the setup wizard's size page): a page hands over its boxes and says where
// it differs, and the operations keep the store, the page's own lists and
// the main window's size list in step, writing the data file after every
// confirmed change.
#pragma once

#include "model/LiveStore.h"

#include <QString>
#include <functional>

class QComboBox;
class QLineEdit;
class QWidget;

namespace config {

class MainListsPort;

// One new registered size: into the store, then into the size lists that
// show it (`appendToLists` gets its name), then to the data file. Refused
// with the store's message, nothing changed, when the store refuses it.
app::StoreResult AddRegisteredSize(const app::RegisteredSize& size,
                                   const std::function<void(const QString&)>& appendToLists);

// The registration boxes of one page (the same control names on both pages).
struct SizeEntryControls {
    QComboBox* templateList = nullptr; // the chosen template's row text
    QLineEdit* Text4 = nullptr;        // hidden: the chosen template key
    QLineEdit* Text5 = nullptr;        // the size's name
    QLineEdit* Text20 = nullptr;       // width, mm
    QLineEdit* Text21 = nullptr;       // height, mm
    QWidget* widthWarning = nullptr;   // "設定できないサイズです。"
    QWidget* heightWarning = nullptr;  // "名書きが正しく表示されない場合があります。"
    QWidget* doneLabel = nullptr;      // "登録完了"
    QComboBox* Combo10 = nullptr;      // the page's deletion list
};

// Where the pages differ.
struct SizeEntryRules {
    int firstTemplateRow = 1;         // the dialog offers rows from 1, the wizard from 0
    int heightTolerance = 5;          // mm under the template's height before the warning
    bool testTemplateNamesItself = false; // wizard: choosing "Ａ４　テスト用" names the size after it
    // The page's own lists besides Combo10 (the dialog's calibration list and
    // grid), rebuilt after a deletion or an update. A registration reaches
    // them, as every other change of the store, through the store's notice.
    std::function<void()> sizesRebuilt;
    // The template list refilled (the dialog's cancel of the naming question, and after a registration).
    std::function<void()> refillTemplates;
};

class SizeRegistration {
public:
    SizeRegistration(SizeEntryControls controls, SizeEntryRules rules, MainListsPort& mainLists);

    // A template picked in the template list.
    void ChooseTemplate();
    void RegisterSize();
    // Deletes the size named in Combo10, without a question.
    void DeleteSizeByName();
    // Deletes the size named `name` after the question (the status grid's delete).
    void DeleteSizeConfirmed(const QString& name);
    // New name, width and height for store row `row` after the question; the
    // boxes' texts as typed. False when nothing changed.
    bool UpdateSize(int row, const QString& name, const QString& width, const QString& height);
    // The spin buttons' checks: a beep and the red warning, never a message box.
    void CheckWidth();
    void CheckHeight();

    // The page's lists from the store: Combo10 and the page's others.
    void rebuildPageLists();

    // A box's text as a whole number: halves to even; empty or not a number is 0
    // (the template's own size). Values far outside 16 bits stay outside, for the store to refuse.
    static int boxNumber(const QString& text);

private:
    bool deleteRow(int row);

    SizeEntryControls c_;
    SizeEntryRules rules_;
    MainListsPort& mainLists_;
};

} // namespace config
