// The preview window's mailbox: what the dispatcher and the saved-file lists
// leave there reads back typed, and stays while the window is loaded.
#include "preview/frmNoshiPreView.h"

#include <gtest/gtest.h>

TEST(PreviewMailbox, CarriesTheMessagesTypedAndEmptyMeansNone)
{
    preview::frmNoshiPreView window;
    preview::PreviewMailbox& box = window.mailbox();

    // A fresh window carries nothing.
    EXPECT_FALSE(box.pageLoaded());
    EXPECT_EQ(box.sizeName(), "");
    EXPECT_EQ(box.rankLabelIndent(), std::nullopt);
    EXPECT_EQ(box.rankLabelPointSize(), std::nullopt);
    EXPECT_EQ(box.inscriptionFile(), "");
    EXPECT_EQ(box.dialogFileName(), "");

    box.setPageLoaded(true);
    box.setSizeName(QStringLiteral("大のし"));
    box.setRankLabel(3, 36);
    box.setInscriptionFile(QStringLiteral("/tmp/表書き.nd1"));
    box.setNameFile(QStringLiteral("/tmp/名前.nd2"));
    box.setDialogFileName(QStringLiteral("山田"));

    // Read back through the window's own mailbox.
    const preview::PreviewMailbox& again = std::as_const(window).mailbox();
    EXPECT_TRUE(again.pageLoaded());
    EXPECT_EQ(again.sizeName(), "大のし");
    EXPECT_EQ(again.rankLabelIndent(), 3);
    EXPECT_EQ(again.rankLabelPointSize(), 36);
    EXPECT_EQ(again.inscriptionFile(), "/tmp/表書き.nd1");
    EXPECT_EQ(again.nameFile(), "/tmp/名前.nd2");
    EXPECT_EQ(again.dialogFileName(), "山田");

    // Printing clears the marker; a page without a rank range carries no label.
    box.setPageLoaded(false);
    box.clearRankLabel();
    EXPECT_FALSE(again.pageLoaded());
    EXPECT_EQ(again.rankLabelIndent(), std::nullopt);
    EXPECT_EQ(again.rankLabelPointSize(), std::nullopt);
}
