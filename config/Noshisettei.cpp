#include "config/Noshisettei.h"

#include "config/CalibrationPage.h"
#include "config/CompanyNamePage.h"
#include "config/EnvironmentPage.h"
#include "config/OmotePage.h"
#include "config/SizeTabs.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/services/Shell.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

namespace config {

const std::array<QString, Noshisettei::TabCount> Noshisettei::TabCaptions = {
    QStringLiteral("　印字位置の調整　"), QStringLiteral("のし紙サイズの登録　"), QStringLiteral("表書きの登録　 "),
    QStringLiteral("社名の登録　　"),     QStringLiteral("動作環境　　"),         QStringLiteral("のし紙サイズの登録状況 ")};

SettingsTab::SettingsTab(Noshisettei& dialog) : dialog_(dialog) {}

Noshisettei::Noshisettei(SettingsHost& host, QWidget* parent)
    : forms::Form(parent), host_(host), storeWatch_([this](app::StoreChange what) {
          for (SettingsTab* t : tabs_) {
              if (t)
                  t->followStore(what);
          }
      })
{
    setWindowTitle(Caption);
    setModal(false);
    SSTab1 = new QTabWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);

    auto* sizeTab = new SizeRegistrationPage(*this);
    SizeEntryRules rules;
    rules.firstTemplateRow = 1;
    rules.heightTolerance = 5;
    rules.sizesRebuilt = [this] { announceSizesRebuilt(); };
    rules.refillTemplates = [sizeTab] { sizeTab->FillTemplateCombo(); };
    sizes_ = std::make_unique<SizeRegistration>(sizeTab->entryControls(), std::move(rules), host_);

    for (int i = 0; i < TabCount; ++i) {
        SettingsTab* content = nullptr;
        switch (i) {
        case CalibrationTab: content = new CalibrationPage(*this); break;
        case SizeTab: content = sizeTab; break;
        case OmoteTab: content = new OmotePage(*this); break;
        case CompanyNameTab: content = new CompanyNamePage(*this); break;
        case EnvironmentTab: content = new EnvironmentPage(*this); break;
        case SizeStatusTab: content = new SizeStatusPage(*this); break;
        default: break;
        }
        placeTab(i, content);
    }
    resize(880, 580);
    forms::EnterAsTab::install(this);
}

Noshisettei::~Noshisettei() = default;

void Noshisettei::placeTab(int index, SettingsTab* content)
{
    tabs_[size_t(index)] = content;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    if (content)
        layout->addWidget(content, 1);
    else
        layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Command1[size_t(index)] = new QPushButton(QStringLiteral("OK"), page);
    Command9[size_t(index)] = new QPushButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), page);
    Command6[size_t(index)] = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), page);
    for (QPushButton* b : {Command1[size_t(index)], Command9[size_t(index)], Command6[size_t(index)]}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    SSTab1->addTab(page, TabCaptions[size_t(index)]);
    SSTab1->setTabEnabled(index, content != nullptr);
    connect(Command1[size_t(index)], &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command9[size_t(index)], &QPushButton::clicked, this, [this] { Command9_Click(); });
    connect(Command6[size_t(index)], &QPushButton::clicked, this, [this] { Command6_Click(); });
}

bool Noshisettei::hasTab(int index) const { return index >= 0 && index < TabCount && tabs_[size_t(index)]; }

void Noshisettei::Form_Load()
{
    // Each tab fills itself; a tab that fails leaves the others to load.
    for (SettingsTab* t : tabs_) {
        if (t)
            t->loadTab();
    }
}

bool Noshisettei::event(QEvent* e)
{
    if (e->type() == QEvent::WindowDeactivate) {
        QWidget* modal = QApplication::activeModalWidget();
        leftForModal_ = modal && modal != this;
    }
    return forms::Form::event(e);
}

void Noshisettei::Form_Activate()
{
    QApplication::restoreOverrideCursor();
    if (std::exchange(leftForModal_, false))
        return;
    for (SettingsTab* t : tabs_) {
        if (t)
            t->activateTab();
    }
}

void Noshisettei::Form_QueryUnload(bool& cancel)
{
    for (SettingsTab* t : tabs_) {
        if (t && !cancel)
            t->queryUnloadTab(cancel);
    }
}

void Noshisettei::Form_Unload(bool&)
{
    for (SettingsTab* t : tabs_) {
        if (t)
            t->unloadTab();
    }
}

void Noshisettei::Command1_Click() { unload(); }
void Noshisettei::Command6_Click() { unload(); }

void Noshisettei::Command9_Click()
{
    shell::OpenHelpFile();
}

void Noshisettei::announceSizesRebuilt()
{
    for (SettingsTab* t : tabs_) {
        if (t)
            t->sizesRebuilt();
    }
}

SettingsWindow::SettingsWindow(SettingsHost& host) : ref_([&host] { return new Noshisettei(host); }) {}

void SettingsWindow::showAt(int tab)
{
    ref_.showModeless();
    if (tab >= 0 && tab < Noshisettei::TabCount && ref_->hasTab(tab))
        ref_->SSTab1->setCurrentIndex(tab);
}

bool SettingsTabBuilt(int tab)
{
    return tab >= 0 && tab < Noshisettei::TabCount;
}

} // namespace config
