// Setting a control's value from code runs its handler as a user's action
// would. Qt signals nothing when a text is set to the text it already has,
// so these helpers run the change handler in that case too; option buttons
// and check boxes take the values 0/1/2 and True/False the way the windows use them.
#pragma once

#include <QString>
#include <QStringList>

class QLineEdit;
class QComboBox;
class QRadioButton;
class QCheckBox;
class QWidget;

namespace forms {

// Sets the text and always emits textChanged (the change handler runs).
void setText(QLineEdit* box, const QString& text);
// Editable list: sets the edit text and always emits editTextChanged.
void setText(QComboBox* list, const QString& text);
// Sets the list index and always emits activated(index) (the click handler).
void setListIndex(QComboBox* list, int index);
// Makes the list editable: the user may type a text that is no item, and
// Enter adds nothing to the items (only the program changes them).
void makeEditableList(QComboBox* list);
// Appends an item and keeps the list's text and choice (Qt would choose the
// first item put into an empty list).
void appendItem(QComboBox* list, const QString& item);
// Clears the list and its text, then adds the items, choosing none.
void refillList(QComboBox* list, const QStringList& items);
// Opens the list at least as wide as its widest item, so that long names
// (font families) are read whole however narrow the box is.
void fitPopupToItems(QComboBox* list);

// True turns the option on and its group mates off (toggled fires for each
// that changes); False turns it off, leaving the group with none on.
void setOptionValue(QRadioButton* option, bool on);
// 0 off, 1 on, 2 grey; other values are refused (false).
bool setCheckValue(QCheckBox* box, int value);
int checkValue(const QCheckBox* box);

// Twips (1/1440 inch) to device-independent pixels and back.
int twipsToPx(double twips);
double pxToTwips(int px);
inline constexpr double TwipsPerMm = 56.7;

} // namespace forms
