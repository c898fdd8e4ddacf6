// The settings dialog's calibration tab: the three print offsets of every
// registered size and name style, shown as what a step moves on paper, and
// stored for one size and style, all styles of a size, one style of every
// size, or everything at once.
#pragma once

#include "config/Noshisettei.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace noshi {
class UpDown;
}

namespace config {

// Millimetres one step moves: across, one 4-point spacer line, which our
// boxes advance by exactly the spacer extent; down, one 10-point half-width blank.
constexpr double AcrossMmPerStep = 1.587502;
constexpr double DownMmPerStep = 1.75;

// The movement label of an offset box: "左へ1.587502㎜移動", "標準" ...;
// nullopt leaves the label as it is (an empty box or no number).
std::optional<QString> MovementText(const QString& box, double mmPerStep, const QString& positive,
                                    const QString& negative);

class CalibrationPage : public SettingsTab {
    Q_OBJECT
public:
    static inline const QString AllSizes = QStringLiteral("全てののし紙サイズ");
    static inline const QString AllStyles = QStringLiteral("全ての名書きスタイル");

    explicit CalibrationPage(Noshisettei& dialog);

    void loadTab() override;
    void followStore(app::StoreChange what) override;
    void sizesRebuilt() override;

    void ChooseCalibrationSize();      // Combo9 picked
    void ChooseCalibrationStyle();     // Combo7 picked
    void StoreCalibration();           // Command5
    void RestoreStandardCalibration(); // Command22
    void ClearCalibrationEntry();      // Command18
    void Command15_Click();            // the printer dialog

    QComboBox* Combo9 = nullptr; // size
    QComboBox* Combo7 = nullptr; // name style
    QLineEdit* Text14 = nullptr; // across
    noshi::UpDown* UpDown4 = nullptr;
    QLabel* Label13 = nullptr;   // stored across offset
    QLabel* Label20 = nullptr;   // its movement
    QLineEdit* Text2 = nullptr;  // inscription down
    noshi::UpDown* UpDown5 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Text8 = nullptr;  // name down
    noshi::UpDown* UpDown6 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command22 = nullptr;
    QPushButton* Command18 = nullptr;
    QPushButton* Command15 = nullptr;

private:
    // The style picked from the list (0..2), or -1 when typed or none.
    int pickedStyle() const;
    void resetEntry();
};

} // namespace config
