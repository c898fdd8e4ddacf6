// The main window, its input windows and the dispatcher wired as at start-up
// with a recording printer; the edit command opens the real editor window.
#pragma once

#include "dispatch/DispatchSupport.h"

#include "platform/richtext/RichTextEdit.h"
#include "platform/services/Dialogs.h"
#include "preview/PreviewFormatter.h"
#include "preview/PreviewHost.h"

#include <QScrollBar>

class PreviewTest : public DispatchTest {
protected:
    void TearDown() override
    {
        ui::setDialogAnswerer({});
        if (preview::frmNoshiPreView* p = pv())
            p->mailbox().setPageLoaded(false); // no questions while the test ends
        DispatchTest::TearDown();
    }

    // A laid-out large noshi page open in the editor, shown.
    preview::frmNoshiPreView& openLargeNoshi(bool shown = true)
    {
        chooseSize(QStringLiteral("萌黄（祝大）　"), 0, 0, QStringLiteral("大のし"));
        w->Combo2->setEditText(QStringLiteral("御中元"));
        w->Text2->setText(QStringLiteral("山田太郎"));
        dispatcher->setKeepPreviewHidden(!shown);
        EXPECT_EQ(run(1), noshi::PrintDispatcher::Outcome::Edited) << messages().join("\n").toStdString();
        return *pv();
    }

    // Selects [start, start + length) in a box as the mouse would, then clicks.
    void select(preview::frmNoshiPreView& p, int which, qsizetype start, qsizetype length)
    {
        rt::RichTextBox& box = which == 1 ? *p.RichTextBox1 : *p.RichTextBox2;
        box.setSelStart(start);
        box.setSelLength(length);
        p.format().boxClicked(which);
    }

    // Every file dialog answered with this path (empty: cancelled).
    static void answerDialogs(const QString& path)
    {
        ui::setDialogAnswerer([path](const ui::DialogRequest&) {
            ui::DialogAnswer a;
            a.accepted = !path.isEmpty();
            a.path = path;
            return a;
        });
    }
    // Scripted answers to the message boxes, in order; Ok after the last.
    void answers(std::vector<ui::Answer> list)
    {
        auto queue = std::make_shared<std::vector<ui::Answer>>(std::move(list));
        ui::setAnswerer([queue](const ui::MessageRequest&) {
            if (queue->empty())
                return ui::Answer::Ok;
            const ui::Answer a = queue->front();
            queue->erase(queue->begin());
            return a;
        });
    }
};
