#include "editors/frmFreeSize.h"

#include "editors/DialogFree.h"
#include "editors/EditorHost.h"
#include "editors/OmoteSeed.h"
#include "editors/PageInserts.h"
#include "editors/PageCopies.h"
#include "model/LiveStore.h"
#include "platform/print/Printer.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/services/MessageBox.h"
#include "platform/settings/SettingsStore.h"
#include "print/PagePrintHost.h"
#include "print/PagePrinter.h"
#include "print/PrintGeometry.h"
#include "platform/run/RunState.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>

namespace editors {

namespace {

const QString KeyWide = QStringLiteral("FreeSizeWide");
const QString KeyHeight = QStringLiteral("FreeSizeHeight");
const QString KeyDirection = QStringLiteral("FreeSizeCmb3");
constexpr double PageFontPoints = 11;

int storedSize(const QString& key, int fallback)
{
    return FreeSizeFromText(settings::GetSetting(key, QString::number(fallback))).value_or(fallback);
}

bool usableSize(int width, int height)
{
    return width >= FreeSizeMinMm && width <= FreeSizeMaxMm && height >= FreeSizeMinMm && height <= FreeSizeMaxMm;
}

} // namespace

frmFreeSize::frmFreeSize(QWidget* parent) : PageEditor(parent)
{
    setWindowTitle(Caption);
    Command4 = new QPushButton(QStringLiteral("用紙サイズの変更(&S)"), Toolbar2);
    Text12 = new QLineEdit(Toolbar2);
    Text12->setReadOnly(true);
    Text12->setFocusPolicy(Qt::NoFocus);
    Text12->setMinimumWidth(Text12->fontMetrics().horizontalAdvance(QStringLiteral("　用紙サイズ　横×1000mm　縦×1000mm")) + 8);
    Toolbar2->addWidget(Command4);
    Toolbar2->addWidget(Text12);
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });

    mnuPage = new QAction(QStringLiteral("ページ設定(&S)"), this);
    mnuFile->insertAction(mnuFilePrint, mnuPage);
    connect(mnuPage, &QAction::triggered, this, [this] { mnuPage_Click(); });

    // After the picture item: pasting the picture and inserting an object.
    mnuPast = new QAction(QStringLiteral("画像の挿入(&P)"), this);
    mnuObject = new QAction(QStringLiteral("ｵﾌﾞｼﾞｪｸﾄの挿入(&A)"), this);
    mnuEdit->insertActions(mnuEditUndo, {mnuPast, mnuObject});
    mnuEdit->insertSeparator(mnuEditUndo);
    connect(mnuPast, &QAction::triggered, this, [this] { Inserts->pastePicture(); });
    connect(mnuObject, &QAction::triggered, this, [this] { Inserts->showObjectDialog(); });
}

QString frmFreeSize::closingQuestion() const { return QStringLiteral("文章は変更されています。保存しますか？"); }

QString frmFreeSize::sizeText() const
{
    return QStringLiteral("　用紙サイズ　横×%1mm　縦×%2mm").arg(paperWidth_).arg(paperHeight_);
}

void frmFreeSize::showSizeText()
{
    StatusPanel1->setText(sizeText());
    Text12->setText(sizeText());
}

void frmFreeSize::setPaper(int width, int height)
{
    paperWidth_ = width;
    paperHeight_ = height;
    app::LiveStore& st = app::store();
    st.PaperWidth = width;
    st.PaperHeight = height;
}

void frmFreeSize::Form_Load()
{
    const MainChoices main = editorHost().mainChoices();
    Text1->setText(main.copies);
    Combo2->setEditText(main.printFont);
    {
        const QSignalBlocker quiet(Combo3);
        Combo3->addItems({Horizontal, Vertical});
    }
    fillPrinterList();

    // A size handed over by the print dispatcher is used as it is and starts
    // vertical; the menu command (width 0) takes the stored size. A size no
    // page can have falls back to the defaults.
    const app::LiveStore& st = app::store();
    QString direction = Vertical;
    if (st.PaperWidth != 0) {
        const bool usable = usableSize(st.PaperWidth, st.PaperHeight);
        setPaper(usable ? st.PaperWidth : DefaultWidth, usable ? st.PaperHeight : DefaultHeight);
    } else {
        setPaper(storedSize(KeyWide, DefaultWidth), storedSize(KeyHeight, DefaultHeight));
        const QString stored = settings::GetSetting(KeyDirection, Vertical);
        if (stored == Horizontal)
            direction = Horizontal;
    }
    {
        const QSignalBlocker quiet(Combo3);
        Combo3->setCurrentText(direction);
    }
    ApplyWritingDirection();
    InsertOmotegaki();
    IsDirty = false;
}

void frmFreeSize::Form_Activate()
{
    showSizeText();
    Form_Resize();
}

void frmFreeSize::reshown()
{
    // The dispatcher hands over a registered size, which the open page takes
    // as a fresh load would; the menu command (width 0) keeps the page's own.
    const app::LiveStore& st = app::store();
    if (st.PaperWidth != 0 && usableSize(st.PaperWidth, st.PaperHeight)) {
        if (st.PaperWidth != paperWidth_ || st.PaperHeight != paperHeight_) {
            setPaper(st.PaperWidth, st.PaperHeight);
            ApplyWritingDirection();
        }
        return;
    }
    setPaper(paperWidth_, paperHeight_);
}

void frmFreeSize::ApplyWritingDirection()
{
    const QString direction = Combo3->currentText();
    if (direction == Horizontal || direction == Vertical)
        applyPage(paperWidth_, paperHeight_, direction == Vertical, Combo2->currentText(), PageFontPoints);
    showSizeText();
    Form_Resize();
}

void frmFreeSize::mnuPage_Click()
{
    auto* dialog = new DialogFree(this);
    dialog->Text1->setText(QString::number(paperWidth_));
    dialog->Text2->setText(QString::number(paperHeight_));
    dialog->setModal(true);
    dialog->exec();
    if (dialog->width() && dialog->height())
        setPaper(*dialog->width(), *dialog->height());
    Combo3_Click();
}

void frmFreeSize::InsertOmotegaki()
{
    const OwnWork own(*this);
    app::LiveStore& st = app::store();
    st.MeasureFontName = SeedMeasureFont;
    SeedInput in;
    in.paperWidth = paperWidth_;
    in.paperHeight = paperHeight_;
    in.main = editorHost().mainChoices();
    in.measureByHeight = st.OsType == QStringLiteral("98/Me");
    in.usuzumi = rt::Color(st.UsuzumiColor);
    in.previousDelta = SizeDelta;
    SizeDelta = WriteSeed(*RichTextBox1, in);
    RichTextBox1View->clearUndo();
}

void frmFreeSize::mnuFilePrint_Click()
{
    if (paperWidth_ < FreeSizeMinMm || paperHeight_ < FreeSizeMinMm)
        return; // no page of that size; the dialog and the settings never give one
    const std::optional<int> n = copies();
    if (!n)
        return;
    const MainChoices main = editorHost().mainChoices();
    const app::LiveStore& st = app::store();
    noshi::PagePrintSettings s;
    s.Check3 = main.Check3;
    s.Check4 = main.Check4;
    s.CheckHanshiban = main.CheckHanshiban;
    s.Option4 = main.Option4;
    s.Option5 = main.Option5;
    s.Option6 = main.Option6;
    s.Option9 = main.Option9;
    s.PaperWidth = int16_t(paperWidth_);
    s.PaperHeight = int16_t(paperHeight_);
    s.LayoutWidth = int16_t(paperWidth_); // the page fills the paper
    s.PrOffsetX = int16_t(st.PrOffsetX);
    s.PrOffsetY = int16_t(st.PrOffsetY);

    prn::Printer& printer = prn::CurrentPrinter();
    PrintPageCopies(printer, *RichTextBox1, [&] {
        const bool landscape = paperHeight_ < paperWidth_;
        const noshi::BandFrame frame = noshi::PreparePage(
            printer, landscape ? noshi::PagePrinterVariant::Landscape : noshi::PagePrinterVariant::Portrait, s);
        const noshi::PlacementInput in{paperWidth_, paperHeight_, paperWidth_, st.PrOffsetX, st.PrOffsetY,
                                       s.Option4, s.Option5, s.Option6, s.Option9};
        const int X = landscape ? noshi::LandscapeBoxLeft(in, printer.Width()) : noshi::PortraitBoxLeft(in, printer.ScaleWidth());
        const int Y = landscape ? noshi::LandscapeOmoteTop(in, printer.Height()) : noshi::PortraitBoxTop(in, 0);
        return PagePlacement{prn::TwipRect{X - frame.offLeft, Y - frame.offTop, frame.right, frame.bottom}, frame.page};
    }, *n);
    Text1->setText(QStringLiteral("1"));
}

void frmFreeSize::Form_Unload(bool& cancel)
{
    PageEditor::Form_Unload(cancel);
    QString error;
    if (!settings::SaveSettings({{KeyWide, QString::number(paperWidth_)},
                                 {KeyHeight, QString::number(paperHeight_)},
                                 {KeyDirection, Combo3->currentText()}},
                                settings::Section, &error))
        ui::MsgBox(QStringLiteral("用紙のサイズを保存できません。\n%1").arg(error), ui::Buttons::Ok,
                   ui::Icon::Exclamation, QStringLiteral("Caution"));
}

forms::FormRef<frmFreeSize>& FreeSize() { return run::slot<forms::FormRef<frmFreeSize>>(); }

void showFreeSize()
{
    if (frmFreeSize* open = FreeSize().peek())
        open->reshown();
    FreeSize().showModeless();
}

} // namespace editors
