// Drawn into a PDF, the text stays text: printing to PDF and the later page
// checks read it back with pdftotext.
#include "BoxWriting.h"

#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RenderPdf, TextIsEmbeddedAsText)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    rt::RichTextBox box;
    boxtest::verticalPage(box, 50, 80, 4);
    box.setSelBold(true);
    boxtest::write(box, QStringLiteral("御中元"), 30);

    QTemporaryDir dir;
    const QString pdfPath = dir.filePath(QStringLiteral("page.pdf"));
    {
        QPdfWriter pdf(pdfPath);
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QSizeF(50, 80), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p(&pdf);
        rt::render(box, p, QRectF(0, 0, 50 * 600 / 25.4, 80 * 600 / 25.4), 600 / 25.4);
    }
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {pdfPath, QStringLiteral("-")});
    ASSERT_TRUE(run.waitForFinished(10000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    QString letters;
    for (QChar c : text)
        if (!c.isSpace())
            letters += c;
    // Synthetic bold draws twice; the reader folds the overlapping copies.
    EXPECT_TRUE(letters.contains(QStringLiteral("御"))) << text.toStdString();
    EXPECT_TRUE(letters.contains(QStringLiteral("元"))) << text.toStdString();
}
