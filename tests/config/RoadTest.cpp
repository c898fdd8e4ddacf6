// From an empty start to a printed sheet: a size registered through the
// settings dialog is chosen in the main window and printed.
#include "config/ConfigPrintSupport.h"

#include <QFileInfo>

TEST_F(ConfigPrintTest, ASizeRegisteredInTheDialogIsChosenAndPrinted)
{
    ASSERT_FALSE(QFileInfo::exists(app::dataFilePath())) << "a first run: no data file";

    registerSize(QStringLiteral("萌黄（祝大）　"), QStringLiteral("祝のし大"));
    ASSERT_TRUE(QFileInfo::exists(app::dataFilePath()));
    host->window().peek()->Command1[1]->click();

    ASSERT_EQ(w->Combo1->count(), 1);
    forms::setListIndex(w->Combo1, 0);
    forms::setText(w->Text2, QStringLiteral("山田太郎"));
    w->Combo2->setEditText(QStringLiteral("御祝"));
    ui::clearShownMessages();
    w->Command7->click();

    EXPECT_TRUE(ui::shownMessages().empty()) << messageTexts().join('|').toStdString();
    EXPECT_EQ(app::store().PaperWidth, 390);
    EXPECT_EQ(app::store().PaperHeight, 180);
    EXPECT_EQ(rec->count(QStringLiteral("startDoc")), 1);
    EXPECT_EQ(rec->count(QStringLiteral("endDoc")), 1);
    EXPECT_GE(rec->boxes().size(), 2u);
    prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>());
}
