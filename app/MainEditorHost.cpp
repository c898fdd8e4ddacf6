#include "app/MainEditorHost.h"

#include "app/NoshiMain.h"
#include "app/Printers.h"
#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "platform/forms/Controls.h"
#include "preview/PreviewHost.h"
#include "print/PrintDispatcher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace app {

editors::MainChoices MainEditorHost::mainChoices() const
{
    editors::MainChoices c;
    c.copies = main_.Text1->text();
    c.printFont = main_.Combo4->currentText();
    c.omote = main_.Combo2->currentText();
    c.thinInk = forms::checkValue(main_.Check1) == 1;
    c.omoteBold = forms::checkValue(main_.CheckOBold) == 1;
    using O = editors::OmoteSizeOption;
    c.omoteSize = main_.Option11->isChecked() ? O::Standard
                  : main_.Option22->isChecked() ? O::Larger
                  : main_.Option33->isChecked() ? O::Smaller
                  : main_.OptionOB->isChecked() ? O::Extra
                                                : O::None;
    const auto e = noshi::SpaceExtentFor(store().OsType, main_.Text5->text(), QStringLiteral("　"),
                                         QStringLiteral("ＭＳ 明朝"), 4.0f);
    c.spaceExtent = e ? *e : noshi::PrintDispatcher::FixedSpaceExtent;
    c.Check3 = forms::checkValue(main_.Check3) == 1;
    c.Check4 = forms::checkValue(main_.Check4) != 0;
    c.CheckHanshiban = forms::checkValue(main_.CheckHanshiban) == 1;
    c.Option4 = main_.Option4->isChecked();
    c.Option5 = main_.Option5->isChecked();
    c.Option6 = main_.Option6->isChecked();
    c.Option9 = main_.Option9->isChecked();
    return c;
}

void MainEditorHost::showPrinterDialog()
{
    if (hooks().showPrinterDialog)
        hooks().showPrinterDialog();
}

// The same small windows the preview editor opens.
void MainEditorHost::showAbout(QWidget* owner) { preview::previewHost().showAbout(owner); }
void MainEditorHost::showHints(QWidget* owner) { preview::previewHost().showHints(owner); }

void MainEditorHost::showMainWindow()
{
    main_.show();
    main_.raise();
}

} // namespace app
