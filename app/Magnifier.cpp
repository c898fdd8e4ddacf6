#include "app/Magnifier.h"
#include "app/MagnifierTesting.h"

#include "platform/fonts/FontCatalog.h"
#include "platform/forms/Controls.h"
#include "platform/forms/SubWindowParts.h"
#include "platform/text/Cp932.h"
#include "platform/services/ProgramLook.h"

#include <QLabel>
#include <QLineEdit>

namespace app {

namespace {
std::function<void(frmTip*)>& showHook()
{
    static std::function<void(frmTip*)> h;
    return h;
}
} // namespace

std::pair<QString, QString> magnifierCodeLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    QString sjis = QStringLiteral("shift JIS Code ");
    QString uni = QStringLiteral("       Unicode ");
    for (const QChar c : text) {
        cp932::Error err;
        const QByteArray b = c.isSurrogate() ? QByteArray() : cp932::encode(QString(c), &err);
        QString code = QStringLiteral("?");
        if (!b.isEmpty() && !err.failed) {
            uint v = 0;
            for (const char byte : b)
                v = (v << 8) | uchar(byte);
            code = QString::number(v, 16).toUpper();
        }
        sjis += QLatin1Char(' ') + code;
        uni += QLatin1Char(' ') + QString::number(c.unicode(), 16).toUpper();
    }
    return {sjis, uni};
}

frmTip::frmTip(QWidget* parent) : forms::Form(parent)
{
    setWindowTitle(QStringLiteral("拡大"));
    resize(forms::twipsToPx(7560), forms::twipsToPx(2085));
    auto* icon = new QLabel(this);
    icon->setPixmap(lightBulbPixmap());
    icon->setGeometry(0, 0, 32, 32);
    icon->setAlignment(Qt::AlignCenter);
    const QFont small = ui::japaneseUiFont();
    Label1 = new QLabel(this);
    Label1->setGeometry(forms::twipsToPx(600), forms::twipsToPx(120), forms::twipsToPx(6855), 16);
    Label1->setFont(small);
    Label2 = new QLabel(this);
    Label2->setGeometry(forms::twipsToPx(600), forms::twipsToPx(360), forms::twipsToPx(6975), 16);
    Label2->setFont(small);
    Text1 = new QLineEdit(this);
    Text1->setGeometry(0, forms::twipsToPx(720), forms::twipsToPx(7575), forms::twipsToPx(1335));
}

void frmTip::Form_Activate()
{
    if (activated_)
        return;
    activated_ = true;
    const auto [sjis, uni] = magnifierCodeLines(Text1->text());
    Label1->setText(sjis);
    Label2->setText(uni);
    QFont f = Text1->font();
    f.setPointSizeF(40);
    Text1->setFont(f);
    Text1->setText(QStringLiteral(" ") + Text1->text());
}

void showMagnifier(const QString& text, const QString& fontName)
{
    forms::FormRef<frmTip> tip;
    frmTip* w = tip.get();
    w->Text1->setText(text);
    QFont f(fonts::resolve(fontName).family);
    w->Text1->setFont(f);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    if (showHook()) {
        w->Form_Activate();
        showHook()(w);
    } else {
        w->exec();
    }
    tip.unload();
}

void setMagnifierShowHookForTests(std::function<void(frmTip*)> hook) { showHook() = std::move(hook); }

} // namespace app
