// An editable list takes a typed text that is no item, and Enter leaves the
// items as they were: only the program changes them.
#include "platform/forms/Controls.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(EditableList, EnterKeepsATypedTextOutOfTheItems)
{
    QComboBox list;
    list.addItems({QStringLiteral("御祝"), QStringLiteral("御礼")});
    forms::makeEditableList(&list);
    ASSERT_NE(list.lineEdit(), nullptr);
    list.setEditText(QStringLiteral("寿"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(list.lineEdit(), &enter);
    QApplication::processEvents();
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.findText(QStringLiteral("寿")), -1);
    EXPECT_EQ(list.currentText(), QStringLiteral("寿"));
}
