#include "print/PrintDispatcher.h"

#include "layout/LayoutTemplate.h"
#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "model/TemplateCatalogue.h"
#include "model/TemplateKeys.h"
#include "platform/files/SafeFile.h"
#include "platform/paths/AppPaths.h"
#include "platform/print/Printer.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RtfReader.h"
#include "platform/services/MessageBox.h"
#include "platform/text/TextMeasure.h"
#include "platform/vb/VbNum.h"
#include "preview/PreviewHost.h"
#include "preview/frmNoshiPreView.h"
#include "print/PrintJobPort.h"
#include "print/TemplateDispatch.h"
#include "print/frmTanzaku.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <cmath>

namespace noshi {

namespace {

const QString WideBlankKeys[] = {app::TemplateKey::Akabo00, app::TemplateKey::No1,
                                 app::TemplateKey::No0};

template <typename List>
bool among(const QString& key, const List& list)
{
    for (const QString& k : list)
        if (key == k)
            return true;
    return false;
}

// A document embedded by its file: a picture is shown as itself, a rich
// text as its page, anything else as a framed box that keeps the file's data.
std::shared_ptr<rt::EmbeddedObject> objectFromFile(const QString& path, QString* error)
{
    files::ReadResult file = files::readRegularFile(path, rt::RtfReader::kMaxInput);
    if (!file.ok()) {
        *error = file.reason;
        return nullptr;
    }
    const QByteArray data = std::move(file.bytes);
    auto obj = std::make_shared<rt::EmbeddedObject>();
    obj->kind = rt::EmbeddedObject::Kind::Object;
    obj->objectData = data;
    obj->sourcePath = path;
    obj->sizeMm = QSizeF(30, 30);
    QImage image;
    if (image.loadFromData(data)) {
        obj->kind = rt::EmbeddedObject::Kind::Picture;
        QBuffer png(&obj->png);
        png.open(QIODevice::WriteOnly);
        image.save(&png, "PNG");
        const double dpmX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 3780;
        const double dpmY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 3780;
        obj->sizeMm = QSizeF(image.width() * 1000.0 / dpmX, image.height() * 1000.0 / dpmY);
    } else if (data.startsWith("{\\rtf")) {
        rt::RichTextBox reader;
        if (reader.setTextRtf(data, error)) {
            obj->document = std::make_shared<rt::RichDocument>(reader.document());
            obj->pageSizeMm = obj->sizeMm;
        } else {
            obj->metafilePlaceholder = true;
        }
    } else {
        obj->metafilePlaceholder = true;
    }
    return obj;
}

int16_t to16(int v, const QString& what)
{
    if (v < -32768 || v > 32767)
        throw std::out_of_range(what.toStdString());
    return int16_t(v);
}

} // namespace

int LayoutWidthFor(const QString& key, int paperWidth, int paperHeight)
{
    if (among(key, WideBlankKeys))
        return 120;
    const int limit = paperHeight < paperWidth ? 210 : 105;
    return std::min(paperWidth, limit);
}


std::optional<float> SpaceExtentFor(const QString& osType, const QString& versionText,
                                    const QString& measureChar, const QString& measureFont, float gapFontSize)
{
    const auto version = vb::ToNumber(versionText);
    if (!version)
        return std::nullopt;
    if (vb::RoundHalfEven(*version) >= 5)
        return PrintDispatcher::FixedSpaceExtent;
    if (osType == QStringLiteral("98/Me"))
        return float(measure::textHeightMm(measureChar, measureFont, gapFontSize));
    return float(measure::textWidthMm(measureChar, measureFont, gapFontSize));
}

PrintDispatcher::PrintDispatcher(PrintJobPort& window) : window_(window), job_(std::make_unique<PrintJob>()) {}

PrintDispatcher::~PrintDispatcher()
{
    setWait(false);
    app::MainHooks& h = app::hooks();
    if (h.frmNoshiPreView == &preview::NoshiPreView()) {
        h.PrintOrPreview = nullptr;
        h.frmNoshiPreView = nullptr;
        h.previewTxtFile1 = nullptr;
        h.previewTxtFile2 = nullptr;
        tanzakuSheetPrinter() = nullptr; // it prints through this dispatcher's host
        preview::setPreviewHost(nullptr);
    }
    // The program is ending: the main window's closing has asked its questions.
    if (preview::frmNoshiPreView* p = preview::NoshiPreView().peek())
        p->mailbox().setPageLoaded(false);
    preview::NoshiPreView().unload();
}

void PrintDispatcher::install()
{
    app::MainHooks& h = app::hooks();
    h.PrintOrPreview = [this] { PrintOrPreview(); };
    h.frmNoshiPreView = &preview::NoshiPreView();
    h.previewTxtFile1 = [] { return preview::NoshiPreView()->mailbox().inscriptionFile(); };
    h.previewTxtFile2 = [] { return preview::NoshiPreView()->mailbox().nameFile(); };
    InstallTanzakuSheetPrinter(window_.printHost(), window_.window());
    preview::setPreviewHost(window_.previewHost());
    window_.commandsChanged();
}

void PrintDispatcher::fail(const QString& message, const QString& title)
{
    throw Failure{message, title};
}

QString PrintDispatcher::currentKey() const { return app::currentTemplateKey(); }

void PrintDispatcher::setWait(bool on)
{
    if (on == waitOn_)
        return;
    waitOn_ = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void PrintDispatcher::PrintOrPreview()
{
    outcome_ = Outcome::None;
    message_.clear();
    if (!checkCopies())
        return;
    try {
        run();
    } catch (const Failure& f) {
        outcome_ = f.title == ui::InputCheckTitle ? Outcome::InputRefused : Outcome::Failed;
        message_ = f.message;
        setWait(false);
        ui::MsgBox(f.message, ui::Buttons::Ok,
                   f.title == ui::InputCheckTitle ? ui::Icon::Information : ui::Icon::Exclamation, f.title);
    }
    // Every way out after the copies check ends here, so that the pointer,
    // the colour, the copies box and the progress bar never stay as a
    // half-finished command left them.
    closingReset();
}

bool PrintDispatcher::checkCopies()
{
    *job_ = window_.job();
    if (job_->sizeName.isEmpty()) {
        outcome_ = Outcome::InputRefused;
        message_ = NoSizeMessage;
        ui::MsgBox(NoSizeMessage, ui::Buttons::Ok, ui::Icon::Information, ui::InputCheckTitle);
        return false;
    }
    if (job_->copiesText.isEmpty()) {
        window_.setCopiesText(QStringLiteral("1"));
        *job_ = window_.job();
    }
    const QString copies = job_->copiesText;
    const auto refuseCopies = [this] {
        outcome_ = Outcome::InputRefused;
        message_ = CopiesNotNumberMessage;
        ui::MsgBox(CopiesNotNumberMessage, ui::Buttons::Ok, ui::Icon::Exclamation, CopiesTitle);
        closingReset();
        return false;
    };
    int copiesWhole = 0;
    try {
        copiesWhole = vb::CInt(copies);
    } catch (const std::exception&) {
        return refuseCopies();
    }
    // Nothing to print is not a print that succeeded.
    if (copiesWhole < 1 && app::store().EditMode != 1)
        return refuseCopies();
    if (copiesWhole > 100) {
        const QString q = QStringLiteral("印刷部数は、") + copies + QStringLiteral("枚です。印刷してもよろしいですか？");
        if (ui::MsgBox(q, ui::Buttons::YesNo, ui::Icon::Exclamation, CopiesTitle) != ui::Answer::Yes) {
            outcome_ = Outcome::Declined;
            return false;
        }
    }
    return true;
}

void PrintDispatcher::run()
{
    prepareMainWindow();
    findPage();
    setUpMeasuring();
    const QString key = currentKey();
    if (key == FreeSizeKey) {
        setWait(false);
        if (!app::hooks().showFreeSize)
            fail(QStringLiteral("フリーサイズの編集はこの版ではまだ使えません。"));
        app::hooks().showFreeSize();
        outcome_ = Outcome::FreeSize;
        return;
    }
    preview::frmNoshiPreView& pv = *preview::NoshiPreView().get();
    prepareBoxes(pv);
    layOut(pv);
    loadSample(pv);

    app::LiveStore& st = app::store();
    const PageExtras extras = window_.extras();
    if (!extras.documentPath.isEmpty())
        st.EditMode = 1;
    if (!extras.rankStart.isEmpty() && !extras.rankEnd.isEmpty())
        st.EditMode = 1;
    if (st.EditMode != 1)
        print(pv);
    else
        openForEditing(pv);
}

void PrintDispatcher::prepareMainWindow()
{
    window_.showPreviews();

    const double copies = vb::CDbl(job_->copiesText);
    window_.startProgress(int(std::lround(copies + 10)));

    if (job_->styleIndex == -1)
        window_.chooseFirstNameStyle();
    if (window_.job().omoteText.isEmpty())
        window_.setOmoteText(QStringLiteral("　　　"));
    // The name is written back to itself so that the window redraws its
    // name preview, as a typed change would.
    window_.redrawNamePreview();
    // What the writes above changed is read again.
    *job_ = window_.job();

    const uint32_t colour = job_->thinInk ? app::store().UsuzumiColor : 0;
    window_.setTextColor(colour);
    inputs_.TextColor = colour;
    app::store().StyleLoop = job_->styleIndex;
}

void PrintDispatcher::findPage()
{
    app::LiveStore& st = app::store();
    const QString wanted = vb::TrimHalf(job_->sizeName);
    const int style = st.StyleLoop;
    if (style < 0 || style >= app::NameStyleCount)
        fail(NotFoundMessage, ui::InputCheckTitle);
    int row = 0;
    while (row < st.RegSizeCount() && vb::TrimHalf(st.size(row).RegSizeName[size_t(style)]) != wanted)
        ++row;
    if (row >= st.RegSizeCount())
        fail(NotFoundMessage, ui::InputCheckTitle);
    st.LoopPos = row;
    const app::RegisteredSize& z = st.size(row);
    try {
        inputs_.CurOffsetX = to16(z.RegOffsetX[size_t(style)], QStringLiteral("X"));
        inputs_.CurOffsetOmote = to16(z.RegOffsetOmote[size_t(style)], QStringLiteral("Omote"));
        inputs_.CurOffsetName = to16(z.RegOffsetName[size_t(style)], QStringLiteral("Name"));
    } catch (const std::out_of_range&) {
        fail(QStringLiteral("のし紙サイズ「%1」の位置の調整値が範囲を超えています。").arg(wanted));
    }
    st.PaperWidth = z.RegSizeWidth;
    st.PaperHeight = z.RegSizeHeight;

    // Only trailing half-width blanks are ignored here; the full-width
    // filling belongs to the key.
    const QString key = vb::RTrimHalf(currentKey());
    const app::BuiltinTemplateCatalogue& cat = app::catalogue();
    int t = 0;
    for (; t <= app::BuiltinTemplateCatalogue::TemplateCount; ++t) {
        const app::BuiltinTemplate& r = cat.row(t);
        if (!r.isEmpty() && vb::RTrimHalf(r.key()) == key)
            break;
    }
    if (t > app::BuiltinTemplateCatalogue::TemplateCount)
        fail(NotFoundMessage, ui::InputCheckTitle);
    st.TemplateIndex = t;
    if (st.PaperWidth == 0 || st.PaperHeight == 0) {
        st.PaperWidth = cat.row(t).TemplateWidth;
        st.PaperHeight = cat.row(t).TemplateHeight;
    }
    st.LayoutWidth = LayoutWidthFor(currentKey(), st.PaperWidth, st.PaperHeight);
}

void PrintDispatcher::setUpMeasuring()
{
    setWait(true);
    app::LiveStore& st = app::store();
    inputs_.MeasureChar = QStringLiteral("　");
    inputs_.MeasureFontName = QStringLiteral("ＭＳ 明朝");
    st.MeasureFontName = inputs_.MeasureFontName;
    inputs_.GapFontSize = 4.0f;
    const auto extent = SpaceExtentFor(st.OsType, job_->systemVersion, inputs_.MeasureChar,
                                       inputs_.MeasureFontName, inputs_.GapFontSize);
    if (!extent)
        fail(QStringLiteral("システムのバージョン（%1）を読み取れません。").arg(job_->systemVersion));
    inputs_.SpaceExtent = *extent;
    inputs_.OsType = st.OsType;
}

void PrintDispatcher::prepareBoxes(preview::frmNoshiPreView& pv)
{
    const app::LiveStore& st = app::store();
    const BoxHeights heights = BoxHeightsFor(currentKey(), st.PaperHeight);
    int index = 1;
    for (rt::RichTextBox* box : {pv.RichTextBox1, pv.RichTextBox2}) {
        const float height = index == 1 ? heights.omote : heights.name;
        pv.setBoxVisible(index, false);
        // A fresh document also resets the insertion format, so nothing of
        // an earlier page's last run carries into this one.
        box->setDocument(rt::RichDocument());
        box->setVertical(true);
        box->setWidthMm(st.LayoutWidth);
        box->setHeightMm(height);
        box->setRightMarginMm(height);
        box->setSelFontName(inputs_.MeasureFontName);
        pv.setBoxVisible(index, true);
        ++index;
    }
    pv.setMarkerWidthMm(pv.RichTextBox2->widthMm());
}

void PrintDispatcher::layOut(preview::frmNoshiPreView& pv)
{
    const app::LiveStore& st = app::store();
    window_.setProgress(5);
    const QString key = currentKey();
    inputs_.LayoutWidth = int16_t(st.LayoutWidth);
    inputs_.TemplateIndex = int16_t(st.TemplateIndex);
    inputs_.TemplateKey = key;
    const DispatchTarget target = TemplateDispatch(key);
    if (target.status != DispatchTarget::Status::Ready)
        fail(target.message());
    layout::LayoutResult r;
    {
        // The whole page is one change of each box; the editor starts from it.
        rt::EditBlock omote(*pv.RichTextBox1), name(*pv.RichTextBox2);
        r = layout::LayoutTemplate(*target.member, ctx_, inputs_, window_.layoutHost(), *pv.RichTextBox1,
                                   *pv.RichTextBox2);
    }
    pv.RichTextBox1->clearUndo();
    pv.RichTextBox2->clearUndo();
    if (!r.ok())
        fail(r.message);
    setWait(false);
}

void PrintDispatcher::loadSample(preview::frmNoshiPreView& pv)
{
    // The layout writes into the window: its inscription is read afresh.
    *job_ = window_.job();
    const QString omote = job_->omoteText;
    const bool oldFamily = app::store().OsType == QStringLiteral("98/Me");
    QString name;
    if (omote == QStringLiteral("タオル"))
        name = oldFamily ? QStringLiteral("Sample1.nd1") : QStringLiteral("Sample1xp.nd1");
    else if (omote == QStringLiteral("お手拭"))
        name = oldFamily ? QStringLiteral("Sample2.nd1") : QStringLiteral("Sample2xp.nd1");
    if (name.isEmpty())
        return;
    QString error;
    const QString path = paths::ensureShippedCopied(name, &error);
    if (path.isEmpty() || !pv.RichTextBox1->loadFile(path, &error))
        fail(QStringLiteral("表書きの見本ファイル %1 を読み込めません。\n%2").arg(name, error));
}

void PrintDispatcher::print(preview::frmNoshiPreView& pv)
{
    window_.setProgress(10);
    const PrintPageOutcome out = PrintNoshiPage(window_.printHost(), prn::CurrentPrinter(), [this] {
        window_.hideProgress();
        setWait(false);
    });
    pv.mailbox().setPageLoaded(false);
    if (isTanzakuSheet(out.choice)) {
        // The sheet printer keeps the page: the preview stays loaded, hidden.
        if (!out.error.isEmpty()) {
            outcome_ = Outcome::Failed;
            message_ = out.error;
        } else {
            outcome_ = Outcome::SheetPrinter;
        }
        return;
    }
    // The hidden window is kept for the next command: building it is the
    // larger part of a print.
    preview::NoshiPreView().unloadKeeping();
    outcome_ = Outcome::Printed;
    if (!out.page.error.isEmpty())
        message_ = out.page.error;
}

void PrintDispatcher::openForEditing(preview::frmNoshiPreView& pv)
{
    const app::LiveStore& st = app::store();
    *job_ = window_.job();
    QString who;
    bool known = true;
    switch (job_->nameStyle) {
    case app::NameStyle::OneLine: who = job_->personName; break;
    case app::NameStyle::TwoLine: who = window_.twoLineCompany(); break;
    case app::NameStyle::Joint: who = window_.firstJointName(); break;
    case app::NameStyle::None: known = false; break;
    }
    if (known)
        pv.setWindowTitle(EditCaptionPrefix + who);
    const QString caption = pv.windowTitle();
    pv.mailbox().setDialogFileName(
        caption.startsWith(EditCaptionPrefix) ? caption.mid(EditCaptionPrefix.size()) : QString());
    const QString sizeName = st.size(st.LoopPos).RegSizeName[size_t(st.StyleLoop)];
    pv.pageLaidOut();
    pv.mailbox().setPageLoaded(true);
    pv.mailbox().setSizeName(sizeName);
    pv.StatusPanel1->setText(QStringLiteral("のし紙サイズ　") + sizeName);

    const PageExtras extras = window_.extras();
    const QString objectPath = extras.documentPath;
    if (!objectPath.isEmpty()) {
        rt::RichTextBox& box = *pv.RichTextBox2;
        box.setSelFontSize(12);
        for (int i = 0; i < 10; ++i)
            box.setSelText(QStringLiteral("\r\n"));
        box.setSelText(QStringLiteral("   "));
        QString error;
        const auto obj = objectFromFile(objectPath, &error);
        if (!obj)
            fail(QStringLiteral("挿入する文書 %1 を読み込めません。\n%2").arg(objectPath, error));
        box.insertObject(obj);
    }
    if (!extras.rankStart.isEmpty() && !extras.rankEnd.isEmpty()) {
        pv.mailbox().setRankLabel(int(ctx_.ColumnIndent), app::catalogue().row(st.TemplateIndex).OmoteSizeLen3);
    }
    // Undo in the editor goes back to the page as laid out, no further.
    pv.RichTextBox1->clearUndo();
    pv.RichTextBox2->clearUndo();
    outcome_ = Outcome::Edited;
    if (!keepPreviewHidden_)
        preview::NoshiPreView().showModeless();
}

void PrintDispatcher::closingReset()
{
    setWait(false);
    window_.setTextColor(0);
    inputs_.TextColor = 0;
    window_.setCopiesText(QStringLiteral("1"));
    window_.hideProgress();
}

} // namespace noshi
