// The template list on the size tab: its rows line up, the caption over the
// sizes starts where they start, and the list's own label keeps clear of it.
#include "config/ConfigSupport.h"

#include <QApplication>
#include <set>

TEST_F(ConfigTest, TheTemplateListsSizesLineUpUnderTheirCaption)
{
    config::SizeRegistrationPage& r = reg();
    r.window()->show();
    QApplication::processEvents();
    ASSERT_GT(r.Combo4->count(), 20);
    // Key, full-width blank, then the size: the "×" of "390×180" and of
    // " 48×270" stand one above the other (a row without a size has none).
    const QFontMetrics list(r.Combo4->font());
    std::set<int> crosses;
    for (int i = 1; i < r.Combo4->count(); ++i) {
        const QString row = r.Combo4->itemText(i);
        if (row.contains(u'×'))
            crosses.insert(list.horizontalAdvance(row.left(row.indexOf(u'×'))));
    }
    EXPECT_EQ(crosses.size(), 1u) << "the sizes do not line up";

    // Where the list draws the size's first character, and where the caption starts.
    forms::setListIndex(r.Combo4, 1);
    QLineEdit* edit = r.Combo4->lineEdit();
    edit->setCursorPosition(8);
    const int sizeX = edit->mapTo(&r, edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center()).x();
    const int captionX = r.Label32->mapTo(&r, r.Label32->contentsRect().topLeft()).x();
    EXPECT_NEAR(captionX, sizeX, 3);
    const int labelEnd = r.Label16->mapTo(&r, QPoint(r.Label16->fontMetrics().horizontalAdvance(r.Label16->text()), 0)).x();
    EXPECT_LT(labelEnd, captionX) << "the label runs into the caption";
}
