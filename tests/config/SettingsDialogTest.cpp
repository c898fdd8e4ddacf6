#include "config/ConfigSupport.h"

#include "model/LiveStore.h"
#include "config/EnvironmentPage.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/services/Dialogs.h"
#include "platform/services/Shell.h"
#include "platform/vb/VbNum.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

using namespace config;

namespace {

QStringList listed(const QListWidget* list)
{
    QStringList l;
    for (int i = 0; i < list->count(); ++i)
        l << list->item(i)->text();
    return l;
}

} // namespace

TEST_F(ConfigTest, MenuItemsOpenOneModelessDialogAtTheirTab)
{
    const std::pair<QAction*, int> items[] = {{w->mnuSet1, 1}, {w->mnuSet7, 4}, {w->mnuFontsize, 4}, {w->mnuList, 5}};
    for (const auto& [item, tab] : items) {
        EXPECT_TRUE(item->isEnabled()) << tab;
        Noshisettei& d = open(item);
        EXPECT_EQ(d.SSTab1->currentIndex(), tab);
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(d.isModal());
        EXPECT_EQ(d.windowTitle(), QStringLiteral("詳細設定"));
    }
    Noshisettei& d = *host->window().peek();
    const QStringList captions{QStringLiteral("　印字位置の調整　"), QStringLiteral("のし紙サイズの登録　"),
                               QStringLiteral("表書きの登録　 "), QStringLiteral("社名の登録　　"),
                               QStringLiteral("動作環境　　"), QStringLiteral("のし紙サイズの登録状況 ")};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(d.SSTab1->tabText(i), captions[i]);
        EXPECT_EQ(d.Command1[size_t(i)]->text(), QStringLiteral("OK"));
        EXPECT_EQ(d.Command9[size_t(i)]->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
        EXPECT_EQ(d.Command6[size_t(i)]->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    }
    EXPECT_TRUE(forms::EnterAsTab::isInstalled(&d));

    // A second item only switches the tab: what was typed stays.
    forms::setText(reg().Text5, QStringLiteral("入力中"));
    EXPECT_EQ(&open(w->mnuList), &d);
    EXPECT_EQ(reg().Text5->text(), QStringLiteral("入力中"));

    // OK and cancel on any tab close it; the next opening loads afresh.
    d.Command6[5]->click();
    EXPECT_EQ(host->window().peek(), nullptr);
    EXPECT_TRUE(reg().Text5->text().isEmpty());
    host->window().peek()->Command1[1]->click();
    EXPECT_EQ(host->window().peek(), nullptr);
}

TEST_F(ConfigTest, FontSizeOptionsGoInAtLoadAndBackAtEveryClose)
{
    forms::setOptionValue(w->Option22, true);
    forms::setOptionValue(w->OptionNB, true);
    forms::setCheckValue(w->CheckOBold, 1);
    forms::setCheckValue(w->CheckNBold, 0);
    EnvironmentPage* env = open(w->mnuFontsize).tab<EnvironmentPage>(Noshisettei::EnvironmentTab);
    EXPECT_TRUE(env->Option22->isChecked());
    EXPECT_TRUE(env->OptionNB->isChecked());
    EXPECT_EQ(forms::checkValue(env->CheckOBold), 1);
    EXPECT_EQ(forms::checkValue(env->CheckNBold), 0);

    // Changed in the dialog, changed meanwhile in the main window, then cancel:
    // the dialog's values win.
    forms::setOptionValue(env->Option33, true);
    forms::setOptionValue(env->Option1, true);
    forms::setCheckValue(env->CheckNBold, 1);
    forms::setOptionValue(w->Option11, true);
    host->window().peek()->Command6[4]->click();
    EXPECT_TRUE(w->Option33->isChecked());
    EXPECT_FALSE(w->Option11->isChecked() || w->Option22->isChecked() || w->OptionOB->isChecked());
    EXPECT_TRUE(w->Option1->isChecked());
    EXPECT_FALSE(w->OptionNB->isChecked());
    EXPECT_EQ(forms::checkValue(w->CheckOBold), 1);
    EXPECT_EQ(forms::checkValue(w->CheckNBold), 1);
}

TEST_F(ConfigTest, ThinInkColourStartsAtBlueAndCancelChangesNothing)
{
    app::store().UsuzumiColor = vb::Rgb(0xC0, 0xC0, 0xC0);
    EnvironmentPage* env = open(w->mnuSet7).tab<EnvironmentPage>(Noshisettei::EnvironmentTab);
    EXPECT_TRUE(env->Text7->styleSheet().contains(QStringLiteral("#c0c0c0")));

    ui::clearShownDialogs();
    ui::setDialogAnswerer([](const ui::DialogRequest&) { return ui::DialogAnswer{}; });
    env->Command19->click();
    ASSERT_EQ(ui::shownDialogs().size(), 1u);
    EXPECT_EQ(ui::shownDialogs()[0].kind, ui::DialogKind::Color);
    EXPECT_EQ(ui::shownDialogs()[0].color, vb::Rgb(0, 0, 255));
    EXPECT_EQ(app::store().UsuzumiColor, vb::Rgb(0xC0, 0xC0, 0xC0));

    ui::setDialogAnswerer([](const ui::DialogRequest&) {
        ui::DialogAnswer a;
        a.accepted = true;
        a.color = vb::Rgb(0x80, 0x70, 0x60);
        return a;
    });
    env->Command19->click();
    EXPECT_EQ(ui::shownDialogs()[1].color, vb::Rgb(0, 0, 255));
    EXPECT_EQ(app::store().UsuzumiColor, vb::Rgb(0x80, 0x70, 0x60));
    EXPECT_TRUE(env->Text7->styleSheet().contains(QStringLiteral("#807060")));
    ui::setDialogAnswerer({});
}

TEST_F(ConfigTest, DataFolderIsChosenByBrowsingOnlyAndItsFilesAreListed)
{
    QTemporaryDir a, b;
    for (const char* f : {"b.rtf", "a.rtf"}) {
        QFile file(a.filePath(QString::fromUtf8(f)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QDir(a.path()).mkdir(QStringLiteral("sub"));
    app::store().FileParth = a.path();
    EnvironmentPage* env = open(w->mnuSet7).tab<EnvironmentPage>(Noshisettei::EnvironmentTab);
    EXPECT_EQ(env->Text17->text(), a.path());
    EXPECT_EQ(listed(env->File1), QStringList({QStringLiteral("a.rtf"), QStringLiteral("b.rtf")}));

    // Typing names another folder to list, never the data folder; no folder keeps the list.
    forms::setText(env->Text17, a.filePath(QStringLiteral("nowhere")));
    EXPECT_EQ(listed(env->File1).size(), 2);
    forms::setText(env->Text17, b.path());
    EXPECT_TRUE(listed(env->File1).isEmpty());
    EXPECT_EQ(app::store().FileParth, a.path());

    ui::clearShownDialogs();
    ui::setDialogAnswerer([](const ui::DialogRequest&) { return ui::DialogAnswer{}; });
    env->Command23->click();
    ASSERT_EQ(ui::shownDialogs().size(), 1u);
    EXPECT_EQ(ui::shownDialogs()[0].kind, ui::DialogKind::Folder);
    EXPECT_EQ(ui::shownDialogs()[0].title, QStringLiteral("のし紙ファイルが保存されているフォルダを選択してください。"));
    EXPECT_EQ(app::store().FileParth, a.path());
    EXPECT_EQ(env->Text17->text(), b.path());

    const QString chosen = a.path();
    ui::setDialogAnswerer([chosen](const ui::DialogRequest&) {
        ui::DialogAnswer r;
        r.accepted = true;
        r.path = chosen;
        return r;
    });
    env->Command23->click();
    EXPECT_EQ(env->Text17->text(), a.path());
    EXPECT_EQ(app::store().FileParth, a.path());
    EXPECT_EQ(listed(env->File1).size(), 2);
    ui::setDialogAnswerer({});
}

TEST_F(ConfigTest, HelpOnEveryTabAndTabsStillToComeStayClosed)
{
    Noshisettei& d = open(w->mnuSet1);
    shell::clearActions();
    shell::setLauncher([](const shell::ShellAction&) { return true; });
    d.Command9[1]->click();
    shell::setLauncher({});
    ASSERT_EQ(shell::actions().size(), 1u);
    EXPECT_EQ(shell::actions()[0].target, shell::HelpFile()); // the installed help, in the browser
    EXPECT_TRUE(ui::shownMessages().empty());

    for (int tab = 0; tab < Noshisettei::TabCount; ++tab)
        EXPECT_EQ(d.SSTab1->isTabEnabled(tab), SettingsTabBuilt(tab)) << tab;
    const std::pair<QAction*, int> items[] = {{w->mnuSet0, 0}, {w->mnuSet2, 2}, {w->mnuSet8, 3}};
    for (const auto& [item, tab] : items)
        EXPECT_EQ(item->isEnabled(), SettingsTabBuilt(tab)) << tab;
}
