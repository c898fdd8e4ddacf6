#include "app/GuideHook.h"

#include "app/NoshiMain.h"
#include "app/guide/NoshiLike.h"
#include "model/MainHooks.h"
#include "platform/forms/Controls.h"

#include <QLineEdit>
#include <QPointer>

namespace app {

guide::GuideHost guideHostFor(NoshiMain& main)
{
    QPointer<NoshiMain> m(&main);
    auto focus = [m](QWidget* (*which)(NoshiMain&)) {
        if (!m || m->isClosed())
            return; // the guide may outlive the main window
        m->activateWindow();
        which(*m)->setFocus(Qt::OtherFocusReason);
    };
    guide::GuideHost host;
    host.setInscription = [m](const QString& text) {
        if (m && !m->isClosed())
            forms::setText(m->Combo2, text); // runs the change handler: the preview follows
    };
    host.focusNameBox = [focus] { focus([](NoshiMain& w) -> QWidget* { return w.Text2; }); };
    host.focusInscriptionBox = [focus] { focus([](NoshiMain& w) -> QWidget* { return w.Combo2; }); };
    return host;
}

void installGuide(NoshiMain& main)
{
    hooks().showNoshiLike = [&main] { guide::NoshiLike::showGuide(guideHostFor(main)); };
}

} // namespace app
