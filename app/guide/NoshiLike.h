// The inscription guide "表書きの検索": the full guide table on its first tab,
// the keyword and phrase searches on the other two. A pick writes the
// inscription into the main window at once; OK moves on to the name box,
// Cancel empties the inscription box. The window knows the main window only
// through the callbacks it is given.
#pragma once

#include "app/guide/GuideGrid.h"
#include "app/guide/GuideTable.h"

#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace guide {

// What the guide does to the main window.
struct GuideHost {
    std::function<void(const QString&)> setInscription; // text of the inscription box
    std::function<void()> focusNameBox;                  // after OK
    std::function<void()> focusInscriptionBox;           // after Cancel
};

class NoshiLike : public QDialog {
    Q_OBJECT
public:
    explicit NoshiLike(GuideHost host, QWidget* parent = nullptr);

    // Shows the guide modeless; a guide already open is brought forward as it is.
    // Without a parent it outlives the main window, as the guide should.
    static NoshiLike* showGuide(GuideHost host, QWidget* parent = nullptr);

    // The controls, under the names the rest of the system knows them by.
    QTabWidget* SSTab1() const { return m_tabs; }
    GuideGrid* MSFlexGrid(int n) const { return m_grids[n - 1]; } // 1..3
    QLineEdit* Text1(int index) const { return m_text1[index]; }  // 0 keyword, 1 phrase
    QLineEdit* Text2() const { return m_text2; }
    QLabel* Label1(int index) const { return m_label1[index]; }
    QPushButton* Command1() const { return m_command1; }
    QPushButton* Command2() const { return m_command2; }
    QPushButton* Command4(int index) const { return m_ok[index]; }
    QPushButton* Command8(int index) const { return m_cancel[index]; }
    // The button that Escape presses: the shown tab's Cancel.
    QPushButton* cancelButton() const { return m_cancel[m_cancelIndex]; }

    const GuideTable& table() const { return m_table; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildTab(int index, QWidget* upper, GuideGrid* grid, const QString& gridCaption);
    void pick(int gridIndex, const QString& inscription);
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command8_Click();
    void SSTab1_Click(int tab);
    void Text1_Change();

    GuideHost m_host;
    GuideTable m_table;
    QTabWidget* m_tabs = nullptr;
    std::array<GuideGrid*, 3> m_grids{};
    std::array<QLineEdit*, 2> m_text1{};
    QLineEdit* m_text2 = nullptr;
    std::array<QLabel*, 2> m_label1{};
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    std::array<QPushButton*, 3> m_ok{};
    std::array<QPushButton*, 3> m_cancel{};
    int m_cancelIndex = 0;
};

} // namespace guide
