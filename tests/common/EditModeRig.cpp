#include "common/EditModeRig.h"
#include "app/PrintersTesting.h"

#include "model/DataFile.h"
#include "model/LiveStore.h"
#include "app/Printers.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterTesting.h"
#include "platform/print/RecordingBackend.h"

#include <QComboBox>
#include <QLineEdit>
#include <memory>

EditModeRig::Environment::Environment(const QString& dataFolder)
{
    app::setDataFolderOverride(dataFolder);
    app::setPrinterListForTests([] { return QStringList{QStringLiteral("Recorder")}; });
    prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>());
    app::store().clear();
}

EditModeRig::EditModeRig(const QString& dataFolder) : env_(dataFolder), windows(main), job(main, windows), dispatcher(job)
{
    windows.install();
    dispatcher.install();
    dispatcher.setKeepPreviewHidden(true);
    main.Form_Load();
    app::store().OsType = QStringLiteral("NT/XP");
}

void EditModeRig::chooseLargeNoshi()
{
    app::RegisteredSize z;
    const QString key = QStringLiteral("萌黄（祝大）　"), name = QStringLiteral("大のし");
    z.RegSizeTemplate = {key, key, key};
    z.RegSizeName = {name, name, name};
    app::store().addSize(z);
    main.Combo1->addItem(name);
    main.Combo1->setEditText(name);
    main.Combo3->setCurrentIndex(0);
    main.Combo2->setEditText(QStringLiteral("御中元"));
    main.Text2->setText(QStringLiteral("山田太郎"));
}
