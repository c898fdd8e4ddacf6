// Sheets printed from the main window's controls on the PDF queue: what the
// user types is what comes out, and a first run prints centred on the sheet.
#include "SheetsThroughCups.h"

#include "app/frmTextSub2.h"
#include "platform/settings/SettingsStore.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Into the focused box, keys as the keyboard sends them: one event a
// character, then Tab.
void typeThenTab(QComboBox* list, const QString& text)
{
    QLineEdit* edit = list->lineEdit();
    edit->clear();
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &focus);
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QApplication::sendEvent(edit, &tab);
}

QString printedText(const paper::Page& page)
{
    QString all;
    for (const paper::Glyph& g : page.glyphs)
        all += g.text;
    return all;
}

} // namespace

namespace paper {

TEST_F(SheetsThroughCups, TheBeginningOfAListItemIsPrintedAsTyped)
{
    QTemporaryDir home;
    sheet::MessageLog log;
    EditModeRig rig(home.path());
    app::NoshiMain& m = rig.main;
    rig.chooseLargeNoshi();
    forms::appendItem(m.Combo2, QStringLiteral("御霊前"));
    ASSERT_TRUE(prn::SelectPrinter("NoshiPDF"));

    typeThenTab(m.Combo2, QStringLiteral("御霊"));
    EXPECT_EQ(m.Combo2->currentText(), QStringLiteral("御霊"));

    // The two-line name window opens modal on the pick of its style.
    QTimer::singleShot(0, [&] {
        app::frmTextSub2* two = rig.windows.sub2();
        ASSERT_NE(two, nullptr);
        two->Text7->setText(QStringLiteral("山田商事"));
        typeThenTab(two->Combo2, QStringLiteral("代表取締役"));
        EXPECT_EQ(two->Combo2->currentText(), QStringLiteral("代表取締役"));
        EXPECT_EQ(two->Label7->text(), QStringLiteral("６文字まで")); // five characters typed
        two->Text8->setText(QStringLiteral("山田太郎"));
        two->Command1->click();
    });
    forms::setListIndex(m.Combo3, 1);

    QFile::remove(server->outputPath());
    m.Command7->click();
    EXPECT_TRUE(log.shown.isEmpty()) << log.shown.join("\n").toStdString();
    ASSERT_TRUE(server->waitForOutput(60000)) << server->errorLog().toStdString();
    const QString printed = printedText(readPdf(server->outputPath()));
    for (const QChar c : QStringLiteral("御霊代表取締役山田太郎"))
        EXPECT_TRUE(printed.contains(c)) << QString(c).toStdString() << " in " << printed.toStdString();
    for (const QChar c : QStringLiteral("前社長"))
        EXPECT_FALSE(printed.contains(c)) << QString(c).toStdString() << " in " << printed.toStdString();
}

} // namespace paper

namespace paper {

// A first run: no settings file at all. An Ａ４判 sheet (297 × 210 mm, on its
// side on A4 paper) printed from the main window has its inscription and its
// name on the sheet's middle line, 148.5 mm from the left edge, within a
// millimetre (the column grid is 1.59 mm).
TEST_F(SheetsThroughCups, AFirstRunPrintsCentredOnTheSheet)
{
    QFile::remove(settings::storePath());
    settings::reload();
    QTemporaryDir home;
    sheet::MessageLog log;
    EditModeRig rig(home.path());
    app::NoshiMain& m = rig.main;
    const QString key = QStringLiteral("Ａ４判　　　　"), name = QStringLiteral("Ａ４");
    app::RegisteredSize z;
    z.RegSizeTemplate = {key, key, key};
    z.RegSizeName = {name, name, name};
    app::store().addSize(z);
    m.Combo1->addItem(name);
    forms::setListIndex(m.Combo1, 0);
    forms::setText(m.Combo2, QStringLiteral("御祝"));
    forms::setText(m.Text2, QStringLiteral("山田太郎"));
    ASSERT_TRUE(prn::SelectPrinter("NoshiPDF"));

    QFile::remove(server->outputPath());
    m.Command7->click();
    EXPECT_TRUE(log.shown.isEmpty()) << log.shown.join("\n").toStdString();
    ASSERT_TRUE(server->waitForOutput(60000)) << server->errorLog().toStdString();
    const Page page = readPdf(server->outputPath());
    EXPECT_NEAR(page.sizeMm.width(), 297, 1);
    for (const char* c : {"御", "祝", "山", "郎"}) {
        const QRectF box = page.of(QString::fromUtf8(c));
        ASSERT_FALSE(box.isNull()) << c;
        EXPECT_NEAR(box.center().x(), 148.5, 1.0) << c;
    }
}

} // namespace paper
