// The detailed-settings dialog: one modeless window whose tabs gather what
// the user configures after the first run. Each tab is a page of its own
// that plugs into the frame; the frame opens at the tab a menu item names,
// loads every tab, mirrors the main window's font-size options, and carries
// the OK, help and cancel buttons every tab shows.
#pragma once

#include "config/SettingsHost.h"
#include "config/SizeRegistration.h"
#include "model/StoreWatch.h"
#include "platform/forms/Form.h"

#include <QWidget>
#include <array>
#include <memory>

class QPushButton;
class QTabWidget;

namespace config {

class Noshisettei;

// One tab's page. The frame calls these in tab order.
class SettingsTab : public QWidget {
    Q_OBJECT
public:
    explicit SettingsTab(Noshisettei& dialog);
    // The dialog is loading: fill the tab from the store and the main window.
    virtual void loadTab() {}
    // The dialog became the active window.
    virtual void activateTab() {}
    // The dialog is about to close: set cancel to keep it open.
    virtual void queryUnloadTab(bool& cancel) { Q_UNUSED(cancel); }
    // The dialog is closing.
    virtual void unloadTab() {}
    // The store's sizes or inscriptions changed, by this dialog or another
    // window: lists that mirror them follow.
    virtual void followStore(app::StoreChange what) { Q_UNUSED(what); }
    // This dialog deleted or changed a size: its lists are rebuilt.
    virtual void sizesRebuilt() {}

protected:
    Noshisettei& dialog_;
};

class Noshisettei : public forms::Form {
    Q_OBJECT
public:
    enum Tab { CalibrationTab = 0, SizeTab = 1, OmoteTab = 2, CompanyNameTab = 3, EnvironmentTab = 4, SizeStatusTab = 5 };
    static constexpr int TabCount = 6;
    static inline const QString Caption = QStringLiteral("詳細設定");
    static const std::array<QString, TabCount> TabCaptions;

    explicit Noshisettei(SettingsHost& host, QWidget* parent = nullptr);
    ~Noshisettei() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel) override;
    void Form_Unload(bool& cancel) override;

    void Command1_Click(); // OK on any tab
    void Command6_Click(); // cancel on any tab
    void Command9_Click(); // help on any tab

    // True when the tab has its content (a tab without it stays disabled).
    bool hasTab(int index) const;
    template <typename T>
    T* tab(int index) const { return qobject_cast<T*>(tabs_[size_t(index)]); }

    SettingsHost& host() const { return host_; }
    // The operations on registered sizes, shared by the registration and status tabs.
    SizeRegistration& sizes() { return *sizes_; }
    // The operations call this after a deletion or an update of a size.
    void announceSizesRebuilt();

    QTabWidget* SSTab1 = nullptr;
    std::array<QPushButton*, TabCount> Command1{}; // OK
    std::array<QPushButton*, TabCount> Command9{}; // help
    std::array<QPushButton*, TabCount> Command6{}; // cancel

protected:
    bool event(QEvent* e) override;

private:
    void placeTab(int index, SettingsTab* content);

    // The dialog lost the focus to a message box or file dialog of its own:
    // coming back from it is no switch of windows.
    bool leftForModal_ = false;

    SettingsHost& host_;
    std::array<SettingsTab*, TabCount> tabs_{};
    std::unique_ptr<SizeRegistration> sizes_;
    app::StoreWatch storeWatch_;
};

// The dialog the main window's menu items open: created on first use, one at a time.
class SettingsWindow : public forms::Unloadable {
public:
    explicit SettingsWindow(SettingsHost& host);
    // Opens the dialog modeless at `tab`, loading it when it is not loaded;
    // an open dialog only comes forward and switches the tab.
    void showAt(int tab);
    Noshisettei* peek() const { return ref_.peek(); }
    bool isLoaded() const override { return ref_.isLoaded(); }
    bool unload() override { return ref_.unload(); }

private:
    forms::FormRef<Noshisettei> ref_;
};

// Whether the dialog has a tab's content (the menu item for it is enabled).
bool SettingsTabBuilt(int tab);

} // namespace config
