// The previews' faces: read-only views that show their whole box, with no
// scroll bar, and that show each redraw of the preview at once.
#include "SubWinSupport.h"

#include "app/frmTextSub0.h"
#include "platform/richtext/RichTextEdit.h"

#include <QApplication>
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include "platform/richtext/TextLayout.h"

namespace {

// Dark pixels inside the view: the strokes of the text drawn in it.
int inkPixels(QWidget* view)
{
    const QImage img = view->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qGray(img.pixel(x, y)) < 100;
    return n;
}

void expectWholeBoxShown(rt::RichTextEdit* view)
{
    SCOPED_TRACE(view->objectName().toStdString());
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_EQ(view->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(view->verticalScrollBar()->isVisible());
    // The box's far corner is inside the view.
    const rt::RichTextBox& box = *view->box();
    const QPointF corner = view->viewportPointAt(QPointF(box.widthMm(), box.heightMm()));
    EXPECT_LE(corner.x(), view->viewport()->width() + 0.5);
    EXPECT_LE(corner.y(), view->viewport()->height() + 0.5);
}

} // namespace

TEST_F(SubWinTest, PreviewsShowTheWholeBoxReadOnlyAndRedrawAtOnce)
{
    app::NoshiMain& main = m();
    main.show();
    main.Combo2->setEditText(QStringLiteral("御中元"));
    main.Text2->setText(QStringLiteral("山田太郎"));
    windows->DrawOmotegakiPreview();
    windows->DrawNameWritingPreview();
    QApplication::processEvents();

    for (rt::RichTextEdit* view : {main.RichTextBox1View, main.RichTextBox2View}) {
        ASSERT_TRUE(view->isVisible());
        expectWholeBoxShown(view);
        EXPECT_GT(inkPixels(view), 50);
    }
    // The views sit where the design puts the boxes, their border just outside.
    EXPECT_EQ(main.RichTextBox1View->viewport()->geometry().size(),
              QSize(forms::twipsToPx(1350), forms::twipsToPx(2415)));

    const int before = inkPixels(main.RichTextBox2View);
    main.Text2->setText(QStringLiteral("山"));
    windows->DrawNameWritingPreview();
    EXPECT_LT(inkPixels(main.RichTextBox2View), before);

    app::frmTextSub0* ext = windows->sub0();
    ext->show();
    QApplication::processEvents();
    expectWholeBoxShown(ext->RichTextBox1View);
}

TEST_F(SubWinTest, ExtensionHelpScrollsToItsLastParagraph)
{
    app::frmTextSub0* ext = windows->sub0();
    ext->show();
    QApplication::processEvents();
    QScrollArea* area = ext->HelpArea;
    rt::RichTextEdit* view = ext->RichTextBox1View;
    // The last written paragraph ("■特殊な表書き…"), its bottom edge in the area's viewport.
    const auto& lines = view->box()->layout()->lines();
    const qsizetype last = ext->helpLines().size() - 2;
    double bottomMm = 0;
    for (const rt::LaidLine& l : lines)
        if (l.paragraph == last)
            bottomMm = l.rectMm.bottom();
    ASSERT_GT(bottomMm, 0);
    const auto bottomInArea = [&] {
        return view->mapTo(area->viewport(), view->viewportPointAt(QPointF(1, bottomMm)).toPoint()).y();
    };
    EXPECT_GT(bottomInArea(), area->viewport()->height()); // below the window's place at first
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QApplication::processEvents();
    EXPECT_LE(bottomInArea(), area->viewport()->height());
    EXPECT_GE(bottomInArea(), 0);
}
