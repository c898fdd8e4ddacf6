// Offsets stored on the calibration tab move the next laid-out page.
#include "config/ConfigPrintSupport.h"

#include "common/LayoutTrace.h"
#include "config/CalibrationPage.h"
#include "platform/print/Printer.h"
#include "platform/richtext/RichTextBox.h"
#include "preview/frmNoshiPreView.h"

TEST_F(ConfigPrintTest, StoredOffsetsMoveTheNextPageByOneStep)
{
    registerSize(QStringLiteral("萌黄（祝大）　"), QStringLiteral("祝大"));
    forms::setListIndex(w->Combo1, 0);
    forms::setText(w->Text2, QStringLiteral("山田"));
    w->Combo2->setEditText(QStringLiteral("御祝"));

    auto layOut = [&] {
        app::store().EditMode = 1;
        dispatcher->PrintOrPreview();
        preview::frmNoshiPreView* pv = preview::NoshiPreView().peek();
        return std::pair{traceBox(pv->RichTextBox1->document()), traceBox(pv->RichTextBox2->document())};
    };
    const auto before = layOut();

    auto* p = open(w->mnuSet0).tab<config::CalibrationPage>(config::Noshisettei::CalibrationTab);
    forms::setListIndex(p->Combo9, 0);
    forms::setListIndex(p->Combo7, 1);
    forms::setText(p->Text14, QStringLiteral("1"));
    forms::setText(p->Text2, QStringLiteral("1"));
    forms::setText(p->Text8, QStringLiteral("1"));
    p->Command5->click();
    ASSERT_EQ(app::store().size(0).RegOffsetX[0], 1);
    const auto after = layOut();
    // One step across is one more 4-point spacer line before the column; one
    // step down is one more 10-point half-width blank at its head. Nothing else moves.
    for (const auto& [was, now] : {std::pair{before.first, after.first}, std::pair{before.second, after.second}}) {
        QStringList want = was.split(u'\n');
        ASSERT_GE(want.size(), 2);
        ASSERT_TRUE(want[0].startsWith(QStringLiteral("BL ")) && want[0].endsWith(QStringLiteral("ＭＳ 明朝 4")));
        ASSERT_TRUE(want[1].startsWith(QStringLiteral("SP ")) && want[1].endsWith(QStringLiteral("ＭＳ 明朝 10")));
        for (int i : {0, 1}) {
            QStringList parts = want[i].split(u' ');
            parts[1] = QString::number(parts[1].toInt() + 1);
            want[i] = parts.join(u' ');
        }
        EXPECT_EQ(now, want.join(u'\n'));
    }
    prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>());
}
