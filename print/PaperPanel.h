// The paper frame "プリンタの用紙" of the printer dialog: the papers the
// current printer's driver offers, the description of the current paper,
// the paper source and orientation, and (in the printer frame's Label6) the
// largest number of copies. Picking a paper makes it the printer's default
// paper for this user.
#pragma once

#include <QGroupBox>
#include <functional>

class QComboBox;
class QLabel;

namespace noshi {

class PaperPanel : public QGroupBox {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("プリンタの用紙");

    // label6: the copies line in the printer frame; printerBoxText: the
    // dialog's printer box (a pick does nothing while it is empty).
    PaperPanel(QWidget* parent, QLabel* label6, std::function<QString()> printerBoxText);

    // Refills the panel from the program's current printer.
    void ListPrinterPapers();
    // The description of the current paper into Combo2's edit text.
    void ShowCurrentPaper();
    // A paper picked from Combo2's list.
    void Combo2_Click(int index);

    // The last default-paper change that could not be stored; empty when none.
    QString lastError() const { return lastError_; }

    QLabel* Label2 = nullptr;
    QComboBox* Combo2 = nullptr; // paper names; edit text: the current paper
    QComboBox* Combo1 = nullptr; // hidden: paper code names, item data the code
    QLabel* Label3 = nullptr;
    QLabel* Label7 = nullptr;    // paper source
    QLabel* Label8 = nullptr;    // orientation
    QLabel* Label6 = nullptr;    // largest number of copies (printer frame)

private:
    void setLabelsEnabled(bool on);

    std::function<QString()> printerBoxText_;
    QString description_; // what ShowCurrentPaper last put into Combo2
    QString lastError_;
};

} // namespace noshi
