#include "app/MainWizardHost.h"

#include "app/NoshiMain.h"
#include "app/Printers.h"
#include "model/MainHooks.h"
#include "platform/forms/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace app {

MainWizardHost::MainWizardHost(NoshiMain& main, config::MainListsPort& lists) : main_(main), wizard_(*this, lists) {}

QString MainWizardHost::printFont() const { return main_.Combo4->currentText(); }
void MainWizardHost::setPrintFont(const QString& name) { forms::setText(main_.Combo4, name); }
void MainWizardHost::setStatusText(const QString& text) { main_.Label6->setText(text); }
bool MainWizardHost::allPapersCentred() const { return main_.Option9->isChecked(); }
void MainWizardHost::setAllPapersCentred(bool on) { forms::setOptionValue(main_.Option9, on); }
int MainWizardHost::notifyPaperSize() const { return forms::checkValue(main_.Check3); }
void MainWizardHost::setNotifyPaperSize(int value) { forms::setCheckValue(main_.Check3, value); }
int MainWizardHost::hanshibanOnA4() const { return forms::checkValue(main_.CheckHanshiban); }
void MainWizardHost::setHanshibanOnA4(int value) { forms::setCheckValue(main_.CheckHanshiban, value); }
QStringList MainWizardHost::installedPrinters() const { return app::installedPrinters(); }
QString MainWizardHost::currentPrinter() const { return currentPrinterName(); }
bool MainWizardHost::selectPrinter(const QString& name) { return app::selectPrinter(name); }

void MainWizardHost::install()
{
    hooks().showSplash = [this] { wizard_.showWelcome(); };
}

} // namespace app
