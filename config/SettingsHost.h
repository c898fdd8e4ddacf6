// What the configuration windows need of the main window: its size and
// inscription lists kept in step with the store, its font-size options, and
// the printer dialog. The main window implements it; the windows here never
// touch its controls.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

class QCheckBox;
class QRadioButton;

namespace config {

// The main window's lists that mirror the store.
class MainListsPort {
public:
    virtual ~MainListsPort() = default;
    // The size list: a new name appended (the current choice stays) ...
    virtual void appendSizeName(const QString& name) = 0;
    // ... or the list cleared, text included, and refilled in row order.
    virtual void refillSizeNames(const QStringList& names) = 0;
    // The inscription list: a new entry appended after the last one ...
    virtual void appendOmote(const QString& text) = 0;
    // ... or cleared, its text emptied, and refilled after "無　地".
    virtual void refillOmotes(const QStringList& entries) = 0;
};

// The ten font-size controls the settings dialog mirrors, in their order:
// inscription sizes 標準, 大きめ, 小さめ, 特大 and bold; the same for the name.
struct FontSizeOptions {
    std::array<bool, 4> omoteSize{}; // Option11, Option22, Option33, OptionOB
    int omoteBold = 0;               // CheckOBold 0/1/2
    std::array<bool, 4> nameSize{};  // Option1, Option2, Option3, OptionNB
    int nameBold = 0;                // CheckNBold
    bool operator==(const FontSizeOptions&) const = default;
};

// The ten controls on a window (the main window's and the dialog's carry the same names).
struct FontSizeControls {
    std::array<QRadioButton*, 4> omoteSize{};
    QCheckBox* omoteBold = nullptr;
    std::array<QRadioButton*, 4> nameSize{};
    QCheckBox* nameBold = nullptr;

    FontSizeOptions read() const;
    // Sets each control in the order Option1, Option2, Option3, OptionNB,
    // Option11, Option22, Option33, OptionOB, CheckOBold, CheckNBold, as a
    // click would, so that the window's own reactions run.
    void apply(const FontSizeOptions& options) const;
};

class SettingsHost : public MainListsPort {
public:
    virtual FontSizeOptions fontSizeOptions() const = 0;
    // Sets each control as a click on it would, so the previews follow.
    virtual void setFontSizeOptions(const FontSizeOptions& options) = 0;
    // The printer dialog, modal; returns when it has closed.
    virtual void showPrinterDialog() = 0;
};

} // namespace config
