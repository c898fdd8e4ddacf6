// A loaded main window with its input sub-windows and previews installed,
// a registered size chosen and the measuring font set as after a print.
#pragma once

#include "app/MainTestSupport.h"

#include "app/InputWindows.h"
#include "platform/richtext/RichTextEdit.h"
#include "common/LayoutTrace.h"
#include "platform/forms/Controls.h"
#include "platform/richtext/RichTextBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

class SubWinTest : public MainWindowTest {
protected:
    std::unique_ptr<app::InputWindows> windows;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        app::RegisteredSize z;
        z.RegSizeTemplate = {QStringLiteral("萌黄（切手判）"), QStringLiteral("萌黄（切手判）"),
                             QStringLiteral("萌黄（切手判）")};
        z.RegSizeName = {QStringLiteral("切手判"), QStringLiteral("切手判"), QStringLiteral("切手判")};
        app::store().addSize(z);
        app::NoshiMain& m = start();
        windows = std::make_unique<app::InputWindows>(m);
        windows->install();
        app::store().OsType = QStringLiteral("NT/XP");
        app::store().MeasureFontName = QStringLiteral("ＭＳ 明朝");
        app::store().UsuzumiColor = vb::Rgb(0x80, 0x80, 0x80);
        m.Combo4->setEditText(QStringLiteral("ＭＳ Ｐ明朝")); // tells text from blanks
        forms::setOptionValue(m.Option11, true);
        forms::setOptionValue(m.Option1, true);
        forms::setCheckValue(m.CheckOBold, 0);
        forms::setCheckValue(m.CheckNBold, 0);
        m.Combo1->setEditText(QStringLiteral("切手判"));
        m.SyncControlsToSize();
    }
    void TearDown() override
    {
        windows.reset();
        MainWindowTest::TearDown();
    }
    app::NoshiMain& m() { return *w; }
    QString omoteBox() { return traceBox(w->RichTextBox1->document()); }
    QString nameBox() { return traceBox(w->RichTextBox2->document()); }
};

inline QString lines(std::initializer_list<const char*> l)
{
    QString s;
    for (const char* x : l)
        s += QString::fromUtf8(x) + u'\n';
    return s;
}

inline void PrintTo(const QString& s, std::ostream* os) { *os << '\n' << s.toStdString(); }
