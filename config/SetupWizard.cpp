#include "config/SetupWizard.h"

#include "config/WizardArt.h"
#include "config/WizardOmotePage.h"
#include "config/WizardPages.h"
#include "config/WizardPrinterPage.h"
#include "config/WizardSizePage.h"
#include "platform/forms/EnterAsTab.h"
#include "platform/services/Shell.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace config {

QString uprightFontName(const QString& name)
{
    return name.startsWith(QLatin1Char('@')) ? name.mid(1) : name;
}

// ---------------------------------------------------------------- page frame

WizardPage::WizardPage(SetupWizard& wizard, const QString& caption, const QString& pageLabel)
    : forms::Form(nullptr), wizard_(wizard)
{
    setWindowTitle(caption);
    setModal(false);
    auto* picture = new WizardPicture(WizardPicture::Kind::Sheet, this);
    picture->setFixedSize(130, 200);
    pageLabel_ = new QLabel(pageLabel, this);
    QFont f = pageLabel_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    pageLabel_->setFont(f);

    content_ = new QVBoxLayout;
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    buttons_ = new QHBoxLayout;
    buttons_->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(pageLabel_);
    right->addLayout(content_, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(right, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top, 1);
    outer->addWidget(line);
    outer->addLayout(buttons_);
    forms::EnterAsTab::install(this);
}

WizardPage::Navigation WizardPage::addNavigation(const std::function<void()>& back, const std::function<void()>& next,
                                                 bool cancelAndHelp, const QString& nextCaption)
{
    auto button = [this](const QString& caption, const std::function<void()>& run) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        b->setMinimumWidth(96);
        buttons_->addWidget(b);
        connect(b, &QPushButton::clicked, this, run);
        return b;
    };
    Navigation nav;
    nav.back = button(QStringLiteral("<  戻る(&B)"), back);
    nav.next = button(nextCaption, next);
    if (cancelAndHelp) {
        Command16 = button(QStringLiteral("ｷｬﾝｾﾙ"), [this] { unload(); });
        Command9 = button(QStringLiteral("ﾍﾙﾌﾟ(&H)"), [] { shell::OpenHelpFile(); });
    }
    return nav;
}

// ---------------------------------------------------------------- flow

SetupWizard::SetupWizard(WizardMainPort& main, MainListsPort& lists)
    : main_(main),
      lists_(lists),
      welcome_([this] { return new frmSplash(*this); }),
      font_([this] { return new frmSetupWiz7(*this); }),
      printer_([this] { return new frmSetupWiz6(*this); }),
      size_([this] { return new frmSetupWiz2(*this); }),
      omote_([this] { return new frmSetupWiz3(*this); }),
      summary_([this] { return new frmSetupWiz5(*this); })
{
}

SetupWizard::~SetupWizard() { unloadAll(); }

void SetupWizard::showWelcome() { welcome_.showModal(); }

void SetupWizard::go(forms::Form* from, Step to)
{
    switch (to) {
    case Step::Welcome: welcome_.showModeless(); break;
    case Step::Font: font_.showModeless(); break;
    case Step::Printer: printer_.showModeless(); break;
    case Step::Size: size_.showModeless(); break;
    case Step::Omote: omote_.showModeless(); break;
    case Step::Summary: summary_.showModeless(); break;
    }
    if (from && from != page(to))
        from->unload();
}

forms::Form* SetupWizard::page(Step step) const
{
    switch (step) {
    case Step::Welcome: return welcome_.peek();
    case Step::Font: return font_.peek();
    case Step::Printer: return printer_.peek();
    case Step::Size: return size_.peek();
    case Step::Omote: return omote_.peek();
    case Step::Summary: return summary_.peek();
    }
    return nullptr;
}

bool SetupWizard::isRunning() const
{
    for (Step s : {Step::Welcome, Step::Font, Step::Printer, Step::Size, Step::Omote, Step::Summary}) {
        if (page(s))
            return true;
    }
    return false;
}

void SetupWizard::unloadAll()
{
    for (forms::Unloadable* ref : std::initializer_list<forms::Unloadable*>{
             &welcome_, &font_, &printer_, &size_, &omote_, &summary_})
        ref->unload();
}

} // namespace config
