// A window unloaded by code ends the program when it was the last one
// shown, as closing the last window does.
#include "platform/forms/Form.h"

#include <QApplication>
#include <gtest/gtest.h>

TEST(Form, UnloadingTheLastShownWindowEndsTheProgram)
{
    struct Case {
        const char* what;
        bool otherStaysShown;  // another window is open beside it
        bool nextShownAfter;   // the handler unloads it first and then shows the next window
        bool ends;
    };
    const Case cases[] = {
        {"last window", false, false, true},
        {"another window open", true, false, false},
        {"the next window shown after the unload", false, true, false},
    };
    int ended = 0;
    forms::setLastWindowHandler([&ended] { ++ended; });
    for (const Case& c : cases) {
        ended = 0;
        auto* page = new forms::Form;
        forms::Form other;
        page->show();
        if (c.otherStaysShown)
            other.show();
        page->unload();
        if (c.nextShownAfter)
            other.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(ended, c.ends ? 1 : 0) << c.what;
        other.hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    forms::setLastWindowHandler({});
}
