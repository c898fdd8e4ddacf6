// The print command over a window stand-in: what it reads of the job and
// what it writes back, in order, with no main window at all.
#include "common/FakeLayoutHost.h"
#include "common/FakePrintHost.h"
#include "common/LayoutTrace.h"
#include "model/LiveStore.h"
#include "model/MainHooks.h"
#include "model/TemplateCatalogue.h"
#include "platform/services/MessageBox.h"
#include "preview/frmNoshiPreView.h"
#include "print/PrintDispatcher.h"
#include "print/PrintJobPort.h"

#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A window that keeps the job's values and logs every write-back.
class FakeJob : public noshi::PrintJobPort {
public:
    noshi::PrintJob j;
    noshi::PageExtras x;
    QStringList log;
    FakeLayoutHost layout;
    FakePrintHost print;
    QWidget owner;

    noshi::PrintJob job() const override { return j; }
    noshi::PageExtras extras() const override { return x; }
    QString twoLineCompany() const override { return QStringLiteral("株式会社そらべに"); }
    QString firstJointName() const override { return QStringLiteral("山田"); }
    void setCopiesText(const QString& text) override
    {
        j.copiesText = text;
        log << "copies " + text;
    }
    void showPreviews() override { log << "previews shown"; }
    void startProgress(int maximum) override { log << QStringLiteral("progress 1..%1").arg(maximum); }
    void setProgress(int value) override { log << QStringLiteral("progress %1").arg(value); }
    void hideProgress() override { log << "progress hidden"; }
    void chooseFirstNameStyle() override
    {
        j.styleIndex = 0;
        j.nameStyle = app::NameStyle::OneLine;
        log << "first name style";
    }
    void setOmoteText(const QString& text) override
    {
        j.omoteText = text;
        log << "omote " + text;
    }
    void redrawNamePreview() override { log << "name redrawn"; }
    void setTextColor(uint32_t colour) override { log << QStringLiteral("colour %1").arg(colour, 0, 16); }
    void commandsChanged() override { log << "commands"; }
    layout::LayoutHost& layoutHost() override { return layout; }
    noshi::PagePrintHost& printHost() override { return print; }
    QWidget* window() override { return &owner; }
};

class JobPortTest : public ::testing::Test {
protected:
    FakeJob window;
    std::unique_ptr<noshi::PrintDispatcher> dispatcher;

    void SetUp() override
    {
        app::store().clear();
        app::hooks() = app::MainHooks{};
        app::catalogue().build();
        app::store().OsType = QStringLiteral("NT/XP");
        app::store().UsuzumiColor = 0x808080;
        ui::clearShownMessages();
        ui::setAnswerer([](const ui::MessageRequest&) { return ui::Answer::Ok; });
        dispatcher = std::make_unique<noshi::PrintDispatcher>(window);
        dispatcher->install();
        dispatcher->setKeepPreviewHidden(true);
        window.log.clear();
        window.j.systemVersion = QStringLiteral("6.1");
    }
    void TearDown() override
    {
        dispatcher.reset();
        ui::setAnswerer({});
        app::hooks() = app::MainHooks{};
        app::store().clear();
    }
};

} // namespace

TEST_F(JobPortTest, InputChecksWriteBackInOrder)
{
    using Outcome = noshi::PrintDispatcher::Outcome;
    struct Case {
        const char* name;
        QString size, copies;
        QString message;
        QStringList writes;
    };
    const Case cases[] = {
        {"no size: nothing is written", "", "1", noshi::PrintDispatcher::NoSizeMessage, {}},
        {"copies not a number: only the closing reset", "大のし", "abc",
         noshi::PrintDispatcher::CopiesNotNumberMessage, {"colour 0", "copies 1", "progress hidden"}},
        // Empty copies become 1; the window is prepared (first name style,
        // blank inscription, the name preview) before the size is looked up.
        {"size not registered", "大のし", "", noshi::PrintDispatcher::NotFoundMessage,
         {"copies 1", "previews shown", "progress 1..11", "first name style", "omote 　　　", "name redrawn",
          "colour 0", "colour 0", "copies 1", "progress hidden"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.log.clear();
        window.j = noshi::PrintJob{};
        window.j.sizeName = c.size;
        window.j.copiesText = c.copies;
        window.j.systemVersion = QStringLiteral("6.1");
        dispatcher->PrintOrPreview();
        EXPECT_EQ(dispatcher->lastOutcome(), Outcome::InputRefused);
        EXPECT_EQ(dispatcher->lastMessage(), c.message);
        EXPECT_EQ(window.log, c.writes);
    }
}

TEST_F(JobPortTest, AnEditRunReadsTheJobAndLeavesThePageInThePreview)
{
    ASSERT_TRUE(app::store().addSize(app::RegisteredSize::make(QStringLiteral("萌黄（祝大）　"),
                                                               QStringLiteral("大のし"), 0, 0)).ok);
    window.j.sizeName = QStringLiteral("大のし");
    window.j.copiesText = QStringLiteral("2");
    window.j.styleIndex = 0;
    window.j.nameStyle = app::NameStyle::OneLine;
    window.j.omoteText = QStringLiteral("御祝");
    window.j.personName = QStringLiteral("山田");
    window.j.thinInk = true;
    window.layout.name = QStringLiteral("山田");
    app::store().EditMode = 1;

    dispatcher->PrintOrPreview();
    ASSERT_EQ(dispatcher->lastOutcome(), noshi::PrintDispatcher::Outcome::Edited)
        << dispatcher->lastMessage().toStdString();
    // Thin ink (808080) while laying out, black and the copies box reset at the end.
    EXPECT_EQ(window.log, (QStringList{"previews shown", "progress 1..12", "name redrawn", "colour 808080",
                                       "progress 5", "colour 0", "copies 1", "progress hidden"}));
    const preview::frmNoshiPreView* pv = preview::NoshiPreView().peek();
    ASSERT_NE(pv, nullptr);
    EXPECT_TRUE(pv->mailbox().pageLoaded());
    EXPECT_EQ(pv->mailbox().sizeName(), "大のし");
    EXPECT_EQ(pv->mailbox().dialogFileName(), "山田");
    EXPECT_TRUE(traceBox(pv->RichTextBox1->document()).contains("c=808080"));
    preview::NoshiPreView().unload();
}
