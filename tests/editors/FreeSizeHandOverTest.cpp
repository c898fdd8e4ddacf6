// The main window's two ways into the free-size editor: its menu command and
// the print dispatcher's hand-over for a size bound to "短冊（フリー）",
// read through the main window's own editor host.
#include "dispatch/DispatchSupport.h"

#include "app/MainEditorHost.h"
#include "editors/frmFreeSize.h"

#include <QCheckBox>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QCoreApplication>

using editors::frmFreeSize;

class FreeSizeHandOver : public DispatchTest {
protected:
    std::unique_ptr<app::MainEditorHost> host;

    void SetUp() override
    {
        DispatchTest::SetUp();
        host = std::make_unique<app::MainEditorHost>(*w);
        editors::setEditorHost(host.get());
        app::hooks().showFreeSize = [] { editors::showFreeSize(); };
    }
    void TearDown() override
    {
        if (frmFreeSize* f = editors::FreeSize().peek()) {
            f->IsDirty = false;
            f->unload();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        editors::setEditorHost(nullptr);
        host.reset();
        DispatchTest::TearDown();
    }
};

TEST_F(FreeSizeHandOver, DispatcherOpensTheEditorWithTheRegisteredSize)
{
    struct Case {
        int w, h;       // registered
        int pageW, pageH;
    };
    // A size of 0 takes the template's 120 x 300.
    for (const Case c : {Case{100, 200, 100, 200}, Case{0, 0, 120, 300}}) {
        SCOPED_TRACE(c.w);
        settings::SaveSetting("FreeSizeCmb3", "横書き"); // the dispatcher's page is vertical all the same
        chooseSize(QStringLiteral("短冊（フリー）"), c.w, c.h, QStringLiteral("フリー%1").arg(c.w));
        w->Combo2->setEditText(QStringLiteral("御霊前"));
        forms::setCheckValue(w->Check1, 1);
        w->Text1->setText(QStringLiteral("2"));
        EXPECT_EQ(run(0), noshi::PrintDispatcher::Outcome::FreeSize);
        frmFreeSize* f = editors::FreeSize().peek();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->paperWidth(), c.pageW);
        EXPECT_EQ(f->paperHeight(), c.pageH);
        EXPECT_TRUE(f->RichTextBox1->vertical());
        EXPECT_TRUE(f->RichTextBox1->text().endsWith(QStringLiteral("  御霊前")));
        EXPECT_EQ(f->Text1->text(), QStringLiteral("2"));
        rt::RichTextBox& box = *f->RichTextBox1;
        box.setSelStart(box.document().length() - 3);
        box.setSelLength(3);
        EXPECT_EQ(box.selColor(), 0x808080u) << "thin ink";
        EXPECT_EQ(box.selFontName(), QStringLiteral("ＭＳ Ｐ明朝"));
        EXPECT_EQ(rec->count("box"), 0) << "nothing printed";
        EXPECT_TRUE(f->unload());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settings::reload();
        EXPECT_EQ(settings::GetSetting("FreeSizeWide"), QString::number(c.pageW)) << "the next menu opening takes it";
    }
}

TEST_F(FreeSizeHandOver, MenuCommandOpensTheStoredSize)
{
    settings::SaveSetting("FreeSizeWide", "150");
    settings::SaveSetting("FreeSizeHeight", "180");
    w->Combo2->setEditText(QStringLiteral("御祝"));
    w->mnuFreeSize_Click();
    frmFreeSize* f = editors::FreeSize().peek();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->paperWidth(), 150);
    EXPECT_EQ(f->paperHeight(), 180);
    EXPECT_TRUE(f->RichTextBox1->text().endsWith(QStringLiteral("  御祝")));
}

TEST_F(FreeSizeHandOver, PrintOnAFreeSizeTakesItsSizeIntoTheOpenEditorWhichRefusesABadCopiesCount)
{
    // The editor is open from the menu at its stored 300 x 120.
    settings::SaveSetting("FreeSizeWide", "300");
    settings::SaveSetting("FreeSizeHeight", "120");
    w->refreshCommandAvailability();
    w->mnuFreeSize->trigger();
    frmFreeSize* f = editors::FreeSize().peek();
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(f->paperWidth(), 300);

    // 印刷 on 「フリー短冊」 (90 x 200) hands that size to the open editor.
    chooseSize(QStringLiteral("短冊（フリー）"), 90, 200, QStringLiteral("フリー短冊"));
    forms::setListIndex(w->Combo1, w->Combo1->findText(QStringLiteral("フリー短冊")));
    ASSERT_TRUE(w->Command7->isEnabled());
    w->Command7->click();
    EXPECT_EQ(editors::FreeSize().peek(), f) << "the same window";
    EXPECT_EQ(f->paperWidth(), 90);
    EXPECT_EQ(f->paperHeight(), 200);
    EXPECT_EQ(app::store().PaperWidth, 90);
    EXPECT_EQ(app::store().PaperHeight, 200);
    EXPECT_EQ(f->Text12->text(), QStringLiteral("　用紙サイズ　横×90mm　縦×200mm"));
    EXPECT_EQ(rec->count("startDoc"), 0) << "the hand-over prints nothing";

    // A copies text that is no whole number from 1 to 1000: the message, and nothing printed.
    for (const char* bad : {"abc", "0", "1001", "2.5"}) {
        ui::clearShownMessages();
        f->Text1->setText(QString::fromUtf8(bad));
        f->mnuFilePrint->trigger();
        ASSERT_EQ(ui::shownMessages().size(), 1u) << bad;
        EXPECT_EQ(ui::shownMessages()[0].text, QStringLiteral("印刷部数には１から１０００までの整数を入力してください。"));
        EXPECT_EQ(ui::shownMessages()[0].title, QStringLiteral("印刷部数の確認"));
        EXPECT_EQ(rec->count("startDoc"), 0) << bad;
    }
    f->Text1->setText(QStringLiteral("2"));
    f->mnuFilePrint->trigger();
    EXPECT_EQ(rec->count("startDoc"), 1);
    EXPECT_EQ(rec->count("box"), 2) << "two copies";
}
