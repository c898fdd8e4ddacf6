// The first-run setup wizard: a welcome page and five pages in a fixed
// order (print font, printer and thin ink, paper sizes, inscriptions,
// summary). Each page writes its choices into the store and the main
// window at once; moving on or back shows the next page and unloads the
// page left, and a page closed without showing another ends the wizard.
#pragma once

#include "model/StoreWatch.h"
#include "platform/forms/Form.h"

#include <QString>
#include <QStringList>
#include <functional>

class QLabel;
class QPushButton;
class QHBoxLayout;
class QVBoxLayout;

namespace config {

class MainListsPort;

// What the wizard needs of the main window beyond its size and inscription lists.
class WizardMainPort {
public:
    virtual ~WizardMainPort() = default;
    // The print font list's text (Combo4).
    virtual QString printFont() const = 0;
    virtual void setPrintFont(const QString& name) = 0;
    // The status label's caption (Label6); whether it shows stays as it is.
    virtual void setStatusText(const QString& text) = 0;
    // The placement option "すべての用紙を中央" (Option9): off leaves the group
    // without a selection when it was the selected one.
    virtual bool allPapersCentred() const = 0;
    virtual void setAllPapersCentred(bool on) = 0;
    // "プリンタへ用紙（のし紙）サイズを通知" (Check3) and the 半紙判 on A4 box (CheckHanshiban), 0/1.
    virtual int notifyPaperSize() const = 0;
    virtual void setNotifyPaperSize(int value) = 0;
    virtual int hanshibanOnA4() const = 0;
    virtual void setHanshibanOnA4(int value) = 0;
    // The printer service.
    virtual QStringList installedPrinters() const = 0;
    virtual QString currentPrinter() const = 0;
    // Makes the named printer current; false when none has that name.
    virtual bool selectPrinter(const QString& name) = 0;
};

class SetupWizard;
class frmSplash;
class frmSetupWiz7;
class frmSetupWiz6;
class frmSetupWiz2;
class frmSetupWiz3;
class frmSetupWiz5;

// The frame every page shares: the page's picture at the left, its page
// label, its content, and a row of buttons at the bottom right.
class WizardPage : public forms::Form {
    Q_OBJECT
public:
    WizardPage(SetupWizard& wizard, const QString& caption, const QString& pageLabel);
    QLabel* pageLabel() const { return pageLabel_; }

    // Every page's cancel (also Escape: unloads the page, nothing else) and
    // help buttons; the summary has neither.
    QPushButton* Command16 = nullptr;
    QPushButton* Command9 = nullptr;

protected:
    // The store's sizes or inscriptions changed, on this page or in another
    // window: the page's lists that mirror them follow.
    virtual void followStore(app::StoreChange what) { Q_UNUSED(what); }

    // The area the page fills with its controls.
    QVBoxLayout* content() const { return content_; }
    struct Navigation {
        QPushButton* back = nullptr;
        QPushButton* next = nullptr;
    };
    // The bottom row: back and next run the page's handlers, then cancel
    // and help where the page has them.
    Navigation addNavigation(const std::function<void()>& back, const std::function<void()>& next,
                             bool cancelAndHelp = true, const QString& nextCaption = QStringLiteral("次へ(&N) >"));

    SetupWizard& wizard_;

private:
    QLabel* pageLabel_ = nullptr;
    QVBoxLayout* content_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
    app::StoreWatch storeWatch_{[this](app::StoreChange what) { followStore(what); }};
};

class SetupWizard {
public:
    enum class Step { Welcome, Font, Printer, Size, Omote, Summary };
    static inline const QString Running = QStringLiteral("初期設定ウィザード実行中");

    SetupWizard(WizardMainPort& main, MainListsPort& lists);
    ~SetupWizard();

    // The welcome page, modal; returns when it has closed (the first run and the menu item).
    void showWelcome();
    // Shows `to` modeless (loaded afresh unless it is open) and then unloads `from`.
    void go(forms::Form* from, Step to);
    // The open page of a step, or nullptr.
    forms::Form* page(Step step) const;
    // Any of the six windows open.
    bool isRunning() const;
    // Unloads every open page.
    void unloadAll();

    WizardMainPort& main() const { return main_; }
    MainListsPort& lists() const { return lists_; }

    // The print font chosen on the font page, never with a leading "@".
    QString WizardFontName;

private:
    WizardMainPort& main_;
    MainListsPort& lists_;
    forms::FormRef<frmSplash> welcome_;
    forms::FormRef<frmSetupWiz7> font_;
    forms::FormRef<frmSetupWiz6> printer_;
    forms::FormRef<frmSetupWiz2> size_;
    forms::FormRef<frmSetupWiz3> omote_;
    forms::FormRef<frmSetupWiz5> summary_;
};

// A font name without the leading "@" of its vertical-writing variant.
QString uprightFontName(const QString& name);

} // namespace config
