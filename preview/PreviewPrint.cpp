// Printing from the editor: the page once per command with the editor's own
// copies, the B5 strip sheets through their printers, and rank printing,
// where the name part is a small label document holding the rank above the
// name text, built anew for each rank.
#include "preview/frmNoshiPreView.h"

#include "model/DataFile.h"
#include "model/LiveStore.h"
#include "model/TemplateKeys.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/RichTextEdit.h"
#include "platform/services/MessageBox.h"
#include "platform/vb/VbNum.h"
#include "preview/PreviewHost.h"
#include "preview/RankLabelDocument.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <optional>

namespace preview {

namespace {

const QString LabelFileName = QStringLiteral("dm.doc");
const QString MeasureFont = QStringLiteral("ＭＳ 明朝");

bool isStripSheetKey(const QString& key)
{
    return key == app::TemplateKey::TanzakuB5Five || key == app::TemplateKey::TanzakuB5Six ||
           key == app::TemplateKey::TanzakuB5Three;
}

QString currentKey()
{
    const app::LiveStore& st = app::store();
    if (st.LoopPos < 0 || st.LoopPos >= st.RegSizeCount() || st.StyleLoop < 0 || st.StyleLoop >= app::NameStyleCount)
        return {};
    return st.size(st.LoopPos).RegSizeTemplate[size_t(st.StyleLoop)];
}

std::optional<int> wholeNumber(const QString& text)
{
    try {
        return int(vb::CInt(text));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
};

// Label width and the blank lines that centre it in the text block.
struct LabelPlace {
    double width = 0;
    int lines = 0;
};

LabelPlace labelPlace()
{
    const int layoutWidth = app::store().LayoutWidth;
    LabelPlace p;
    p.width = layoutWidth < 100 ? layoutWidth : 100;
    const double e = previewHost().spaceExtent();
    if (e > 0)
        p.lines = int(vb::RoundHalfEven((layoutWidth - p.width) / 2 / e));
    return p;
}

} // namespace

void frmNoshiPreView::mnuFilePrint_Click()
{
    if (Text1->text().isEmpty())
        Text1->setText(QStringLiteral("1"));
    const RankRange ranks = previewHost().rankRange();
    if (ranks.active()) {
        const ui::Answer a = ui::MsgBox(toFullWidth(ranks.end) + QStringLiteral("位まで連続して印刷しますか？"),
                                        ui::Buttons::YesNoCancel, ui::Icon::Information, QStringLiteral("確認"));
        if (a == ui::Answer::Cancel)
            return;
        if (a == ui::Answer::Yes) {
            PrintRankSeries();
            Text1->setText(QStringLiteral("1"));
            return;
        }
    }
    if (isStripSheetKey(currentKey())) {
        // The sheet printer takes the main window's copies; closing asks nothing afterwards.
        previewHost().hideProgress();
        previewHost().printPage();
        Text3->clear();
        return;
    }
    printOnce();
    if (ranks.active()) {
        CurrentRank += 1;
        const auto end = wholeNumber(ranks.end);
        if (!end || *end >= int(CurrentRank))
            BuildRankLabel();
    }
    Text1->setText(QStringLiteral("1"));
}

void frmNoshiPreView::printOnce() { previewHost().printPage(); }

void frmNoshiPreView::BuildRankLabel() { rebuildRankLabel(int(CurrentRank), 0); }

void frmNoshiPreView::rebuildRankLabel(int rank, int blankLinesLess)
{
    const BusyPointer busy;
    const OwnWork own(*this);
    PreviewHost& host = previewHost();
    const LabelPlace place = labelPlace();
    rt::RichTextBox& box = *RichTextBox2;
    const rt::EditBlock step(box); // the whole label is one change

    box.setDocument(rt::RichDocument());
    box.setSelFontName(MeasureFont);
    box.setSelFontSize(4);
    const int lines = std::max(0, place.lines - blankLinesLess);
    if (lines > 0) {
        QString breaks;
        for (int i = 0; i < lines; ++i)
            breaks += QStringLiteral("\r\n");
        box.setSelText(breaks);
    }

    RankLabelSpec spec;
    spec.fontName = host.printFont();
    if (const auto size = wholeNumber(Text11->text()))
        spec.fontSize = *size;
    spec.rank = QString::number(rank);
    spec.text = host.rankText();
    spec.fullWidth = host.rankRange().fullWidth;
    spec.pageWidthMm = place.width;
    spec.pageHeightMm = 80;
    spec.marginMm = 0;
    spec.headerFooterMm = 0;
    const QString path = QFileInfo(app::dataFilePath()).absolutePath() + u'/' + LabelFileName;
    QString error;
    const auto label = RankLabelDocument(spec).writeFile(path, &error);

    box.setSelFontSize(10);
    if (const auto blanks = wholeNumber(Text10->text()); blanks && *blanks > 0)
        box.setSelText(QString(*blanks, u' '));
    if (label)
        box.insertObject(label);

    setBoxVisible(2, false);
    box.setSelStart(std::min<qsizetype>(100, box.document().length()));
    box.setSelFontSize(14);
    QString trailing;
    for (int i = 0; i < 20; ++i)
        trailing += QStringLiteral("\r\n");
    box.setSelText(trailing);
    box.setSelStart(0);
    setBoxVisible(2, true);
    RichTextBox2View->viewport()->update();

    if (!label)
        ui::MsgBox(QStringLiteral("順位のラベル（%1位）を作れません。\n%2").arg(rank).arg(error), ui::Buttons::Ok,
                   ui::Icon::Exclamation, QStringLiteral("Caution"));
}

void frmNoshiPreView::PrintRankSeries()
{
    const BusyPointer busy;
    const RankRange ranks = previewHost().rankRange();
    const auto end = wholeNumber(ranks.end);
    int i = int(CurrentRank);
    if (!end) {
        // An end that is no number: the page as it stands, once.
        if (!isStripSheetKey(currentKey()))
            printOnce();
        return;
    }
    for (; i <= *end; ++i) {
        if (isStripSheetKey(currentKey()))
            return;
        printOnce();
        const auto endNow = wholeNumber(previewHost().rankRange().end);
        if (!endNow || i >= *endNow)
            break;
        rebuildRankLabel(i + 1, 1);
    }
    CurrentRank = i - 1;
}

} // namespace preview
