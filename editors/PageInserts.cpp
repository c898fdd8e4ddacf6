#include "editors/PageInserts.h"

#include "editors/frmFileLoad.h"
#include "editors/frmHagakiSub.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/richtext/RichTextEditFileObject.h"
#include "platform/services/MessageBox.h"

#include <QLineEdit>
#include <QPointer>

namespace editors {

PageInserts::PageInserts(rt::RichTextEdit& page, QWidget* owner) : QObject(owner), page_(page), owner_(owner)
{
    Text11 = new QLineEdit(QStringLiteral("Text11"), owner);
    Text11->setObjectName(QStringLiteral("Text11"));
    Text11->hide();
}

void PageInserts::showPicturePicker()
{
    if (!page_.box())
        return;
    QPointer<frmFileLoad> picker = new frmFileLoad(*page_.box(), owner_);
    picker->exec();
    if (picker)
        picker->deleteLater();
}

void PageInserts::pastePicture()
{
    page_.setFocus();
    page_.paste();
}

void PageInserts::showObjectDialog()
{
    QPointer<frmHagakiSub> dialog = new frmHagakiSub([this](const QString& path) { return embedFile(path); }, owner_);
    dialog->exec();
    if (dialog)
        dialog->deleteLater();
}

bool PageInserts::embedFile(const QString& path)
{
    Text11->setText(path);
    rt::RichTextBox* box = page_.box();
    if (!box || path.isEmpty())
        return false;
    QString error;
    const auto obj = rt::objectFromFile(path, QSizeF(box->widthMm(), box->heightMm()), &error);
    if (!obj) {
        ui::MsgBox(QStringLiteral("オブジェクトを挿入できませんでした。\n%1").arg(error), ui::Buttons::Ok,
                   ui::Icon::Exclamation, QStringLiteral("Caution"));
        return false;
    }
    box->insertObject(obj);
    return true;
}

} // namespace editors
