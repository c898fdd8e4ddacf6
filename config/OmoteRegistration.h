// Registering and deleting inscriptions. One set of steps serves every page
// that registers inscriptions (the settings dialog's tab, the setup wizard's
// inscription page): the page hands over its boxes, and the operations keep
// the store, the page's deletion list and the main window's inscription list
// in agreement, writing the data file after every change.
#pragma once

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;

namespace config {

class MainListsPort;

struct OmoteEntryControls {
    QLineEdit* Text10 = nullptr;     // the text to register
    QComboBox* deleteList = nullptr; // its edit text names the entry to delete
    QLabel* doneLabel = nullptr;     // the wizard's "<text>　登録完了"; none in the dialog
};

class OmoteRegistration {
public:
    OmoteRegistration(OmoteEntryControls controls, MainListsPort& mainLists);

    // True when the text was registered.
    bool RegisterOmote();
    void DeleteOmote();
    // The deletion list from the store.
    void fillDeleteList();

private:
    OmoteEntryControls c_;
    MainListsPort& mainLists_;
};

} // namespace config
