// Finding the built-in templates that suit a noshi sheet of a known height,
// and the window that shows them and hands the chosen one back to the
// registration page that opened it.
#pragma once

#include "config/SizeRegistration.h"
#include "platform/forms/Form.h"

#include <QList>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace config {

struct TemplateSearchResult {
    QList<int> rows;       // template rows, in table order
    bool showsAll = false; // nothing within 25 mm: every template is listed
};

// Rows 1..78 whose height lies within H-5..H+5, else H-10..H+5, else
// H-25..H+25 (ends rounded half to even, both included); all rows when none.
TemplateSearchResult TemplateSearch(double height);

class frmSetupWiz8 : public forms::Form {
    Q_OBJECT
public:
    explicit frmSetupWiz8(QWidget* parent = nullptr);

    static inline const QString Caption = QStringLiteral("雛形の検索");

    // The registration page whose boxes OK fills; a page closed meanwhile gets nothing.
    void setCaller(QWidget* page, const SizeEntryControls& boxes);

    void Form_Load() override;
    void Command1_Click(); // search
    void MSFlexGrid1_Click(int row, int column);
    void Command2_Click(); // OK
    void Command3_Click(); // cancel

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr; // the sheet's height, mm
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
    QTableWidget* MSFlexGrid1 = nullptr;
    QLabel* Label3 = nullptr;   // the count line
    QLineEdit* Text2 = nullptr; // the chosen template's row text
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

private:
    void resetGrid();
    void addTemplateRow(int row);

    QPointer<QWidget> callerPage_;
    SizeEntryControls callerBoxes_;
};

// The one search window, created on first use.
forms::FormRef<frmSetupWiz8>& templateSearchWindow();
// Opens the search modeless for a registration page.
void ShowTemplateSearch(QWidget* page, const SizeEntryControls& boxes);

} // namespace config
