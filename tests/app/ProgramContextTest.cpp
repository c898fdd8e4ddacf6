#include "common/ContextPerTest.h"
#include "common/FakeDriver.h"
#include "common/FreshContext.h"
#include "platform/print/CupsPrinterDriver.h"
#include "platform/files/SafeFileFaults.h"
#include "platform/print/PrinterDriverTesting.h"
#include "platform/settings/SettingsStore.h"
#include "print/PrintContext.h"
#include "print/frmPrinterP.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace app;

namespace {

void usePrinter(const QString& name)
{
    prn::RecordingBackend::Device device;
    device.name = name;
    prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>(device));
}

FakeDriver* useDriverOf(const QString& printer)
{
    auto driver = std::make_unique<FakeDriver>();
    driver->add(printer);
    FakeDriver* d = driver.get();
    prn::setPrinterDriver(std::move(driver));
    return d;
}

} // namespace

TEST(ProgramContext, EachFreshContextStartsWithAnEmptyStoreAndTheOldOneComesBack)
{
    // What this test's own context holds must be there again after the others.
    usePrinter(QStringLiteral("外の机"));
    FakeDriver* outerDriver = useDriverOf(QStringLiteral("外の机"));
    LiveStore* outer = &store();
    {
        testing_support::FreshContext first;
        EXPECT_EQ(&store(), &first.context().store);
        ASSERT_TRUE(store().addSize(RegisteredSize::make(QStringLiteral("Ａ４判　　　　"), QStringLiteral("店の箱"), 0, 0)));
        EXPECT_EQ(store().RegSizeCount(), 1);
        EXPECT_TRUE(store().isDirty());
        hooks().showHagaki = [] {};
        useDriverOf(QStringLiteral("一階"));
        usePrinter(QStringLiteral("一階"));
        EXPECT_EQ(prn::printerDriver().printerNames(), QStringList{QStringLiteral("一階")});
        EXPECT_EQ(prn::CurrentPrinter().DeviceName(), QStringLiteral("一階"));
        ASSERT_TRUE(settings::SaveSetting(QStringLiteral("ContextProbe"), QStringLiteral("一")));
        {
            testing_support::FreshContext nested;
            // Its own cache reads the file; its save leaves the outer cache alone.
            EXPECT_EQ(settings::GetSetting(QStringLiteral("ContextProbe")), QStringLiteral("一"));
            EXPECT_TRUE(settings::SaveSetting(QStringLiteral("ContextProbe"), QStringLiteral("二")));
            // A save that cannot even start here fails here only.
            files::faults::setHook([](files::faults::Step) { return EIO; });
            EXPECT_FALSE(settings::SaveSetting(QStringLiteral("ContextProbe"), QStringLiteral("三")));
        }
        EXPECT_EQ(settings::GetSetting(QStringLiteral("ContextProbe")), QStringLiteral("一"));
        EXPECT_TRUE(settings::SaveSetting(QStringLiteral("ContextProbe"), QStringLiteral("四")));
    }
    EXPECT_EQ(&store(), outer);
    EXPECT_EQ(&prn::printerDriver(), outerDriver);
    EXPECT_EQ(prn::CurrentPrinter().DeviceName(), QStringLiteral("外の机"));
    {
        testing_support::FreshContext second;
        EXPECT_EQ(store().RegSizeCount(), 0);
        EXPECT_EQ(store().findSizeExact(QStringLiteral("店の箱")), -1);
        EXPECT_FALSE(store().isDirty());
        EXPECT_FALSE(hooks().showHagaki);
        EXPECT_FALSE(catalogue().isBuilt());
        // The program's own driver and the system's default printer again.
        EXPECT_NE(dynamic_cast<prn::CupsPrinterDriver*>(&prn::printerDriver()), nullptr);
        EXPECT_NE(prn::CurrentPrinter().DeviceName(), QStringLiteral("一階"));
        EXPECT_NE(prn::CurrentPrinter().DeviceName(), QStringLiteral("外の机"));
        EXPECT_EQ(settings::GetSetting(QStringLiteral("ContextProbe")), QStringLiteral("四"));
    }
    EXPECT_EQ(&store(), outer);
    EXPECT_EQ(&prn::printerDriver(), outerDriver);
}

// The print state beside the program context: the printer dialog's choice,
// its port, the strip-sheet entry and the dispatch's test seam are the
// context's, so a fresh one starts without them and the old ones come back.
TEST(ProgramContext, EachFreshContextHasItsOwnPrintState)
{
    noshi::PrintContext* outer = &noshi::printContext();
    noshi::printContext().PrinterIndex = 2;
    noshi::setPrinterDialogPort([] { return std::shared_ptr<noshi::PrinterOptionPort>(); });
    noshi::tanzakuSheetPrinter() = [](noshi::PrinterChoice, const QString&) {};
    const noshi::ScopedDispatchOverride unbuilt(QStringLiteral("萌黄（祝大）　"), QStringLiteral("LayoutNotBuilt"));
    {
        testing_support::FreshContext fresh;
        EXPECT_EQ(&noshi::printContext(), &fresh.printing());
        EXPECT_EQ(noshi::printContext().PrinterIndex, 0);
        EXPECT_FALSE(noshi::printerDialogAvailable());
        EXPECT_FALSE(noshi::tanzakuSheetPrinter());
        EXPECT_EQ(noshi::TemplateMemberName(QStringLiteral("萌黄（祝大）　")), QStringLiteral("LayoutNoshiLarge"));
    }
    EXPECT_EQ(&noshi::printContext(), outer);
    EXPECT_EQ(noshi::printContext().PrinterIndex, 2);
    EXPECT_TRUE(noshi::printerDialogAvailable());
    EXPECT_TRUE(noshi::tanzakuSheetPrinter());
    EXPECT_EQ(noshi::TemplateMemberName(QStringLiteral("萌黄（祝大）　")), QStringLiteral("LayoutNotBuilt"));
}

// What one test leaves in its context, the next test's context does not hold.
TEST(ProgramContext, EachTestStartsWithoutWhatTheOneBeforeLeft)
{
    testing_support::ContextPerTest perTest;
    const ::testing::TestInfo& info = *::testing::UnitTest::GetInstance()->current_test_info();
    perTest.OnTestStart(info);
    ASSERT_TRUE(store().addSize(RegisteredSize::make(QStringLiteral("Ａ４判　　　　"), QStringLiteral("残り物"), 0, 0)));
    useDriverOf(QStringLiteral("残り物"));
    usePrinter(QStringLiteral("残り物"));
    perTest.OnTestEnd(info);

    perTest.OnTestStart(info);
    EXPECT_EQ(store().RegSizeCount(), 0);
    EXPECT_NE(dynamic_cast<prn::CupsPrinterDriver*>(&prn::printerDriver()), nullptr);
    EXPECT_NE(prn::CurrentPrinter().DeviceName(), QStringLiteral("残り物"));
    perTest.OnTestEnd(info);
}
