// Every template key of the dispatch table through the real dispatcher in
// edit mode with a plain sheet.
#include "DispatchSupport.h"

#include "model/TemplateCatalogue.h"
#include "layout/LayoutMembers.h"
#include "print/TemplateDispatch.h"

namespace {

using Outcome = noshi::PrintDispatcher::Outcome;

TEST_F(DispatchTest, EveryTemplateKeyLaysOutInEditModeWithNoMessage)
{
    int laidOut = 0;
    for (const noshi::DispatchEntry& e : noshi::TemplateDispatchTable()) {
        const QString member = QString::fromLatin1(e.member);
        if (app::catalogue().find(e.key) == app::BuiltinTemplateCatalogue::NotFound)
            continue; // the two memorial-card keys have no row to register
        EXPECT_NE(layout::findLayoutMember(member), nullptr) << member.toStdString() << " is missing";

        chooseSize(e.key, 0, 0, e.key.trimmed());
        w->Combo2->setEditText(QStringLiteral("御祝"));
        w->Text2->setText(QStringLiteral("山田太郎"));
        const Outcome outcome = run(1);
        EXPECT_EQ(outcome, Outcome::Edited) << e.key.toStdString() << ": " << dispatcher->lastMessage().toStdString();
        EXPECT_TRUE(messages().isEmpty()) << e.key.toStdString() << ": " << messages().join(" ").toStdString();
        ASSERT_NE(pv(), nullptr) << e.key.toStdString();
        EXPECT_TRUE(name().contains("TX \"山")) << e.key.toStdString() << "\n" << name().toStdString();
        ++laidOut;
    }
    EXPECT_EQ(laidOut, 78); // every key but the two memorial cards
}

} // namespace
