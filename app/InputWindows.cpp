#include "app/InputWindows.h"

#include "model/MainHooks.h"
#include "app/NamePreview.h"
#include "app/NoshiMain.h"
#include "app/OmotePreview.h"
#include "platform/forms/Controls.h"
#include "platform/richtext/RichTextBox.h"

#include <QLineEdit>

namespace app {

InputWindows::InputWindows(NoshiMain& main)
    : main_(main),
      sub0_([&main] { return new frmTextSub0(&main, &main); }),
      sub1_([&main] { return new frmTextSub1(&main, &main); }),
      sub2_([&main] { return new frmTextSub2(&main, &main); }),
      sub3_([&main] { return new frmTextSub3(&main, &main); }),
      sub4_([] { return new frmTextSub4(); })
{
    for (rt::RichTextBox* box : {main_.RichTextBox1, main_.RichTextBox2}) {
        box->setWidthMm(PreviewBoxWidthTwips / forms::TwipsPerMm);
        box->setHeightMm(PreviewBoxHeightTwips / forms::TwipsPerMm);
    }
}

InputWindows::~InputWindows()
{
    MainHooks& h = hooks();
    for (size_t i = 0; i < 5; ++i)
        h.frmTextSub[i] = nullptr;
    h.DrawOmotegakiPreview = nullptr;
    h.DrawNameWritingPreview = nullptr;
    h.showTextSub0 = h.showTextSub1 = h.showTextSub2 = h.showTextSub3 = h.showTextSub4 = nullptr;
    h.bulkLabelBox = nullptr;
    h.LimitJointNames = h.enableAllJointNames = nullptr;
    h.bulkLabelChecked = nullptr;
    h.twoLineCompanyName = h.firstJointName = nullptr;
    for (forms::Unloadable* w : {static_cast<forms::Unloadable*>(&sub0_), static_cast<forms::Unloadable*>(&sub1_),
                                 static_cast<forms::Unloadable*>(&sub2_), static_cast<forms::Unloadable*>(&sub3_),
                                 static_cast<forms::Unloadable*>(&sub4_)})
        w->unload();
}

void InputWindows::install()
{
    MainHooks& h = hooks();
    h.frmTextSub[0] = &sub0_;
    h.frmTextSub[1] = &sub1_;
    h.frmTextSub[2] = &sub2_;
    h.frmTextSub[3] = &sub3_;
    h.frmTextSub[4] = &sub4_;
    h.DrawOmotegakiPreview = [this] { DrawOmotegakiPreview(); };
    h.DrawNameWritingPreview = [this] { DrawNameWritingPreview(); };
    h.showTextSub0 = [this] { sub0_.showModal(&main_); };
    h.showTextSub1 = [this] { sub1_.showModal(&main_); };
    h.showTextSub2 = [this] { sub2_.showModal(&main_); };
    h.showTextSub3 = [this] { sub3_.showModal(&main_); };
    h.showTextSub4 = [this] { sub4_.showModal(); };
    h.bulkLabelBox = [this] { return sub4()->RichTextBox1; };
    h.LimitJointNames = [this] { sub3()->LimitJointNames(); };
    h.enableAllJointNames = [this] { sub3()->enableAllNames(); };
    h.bulkLabelChecked = [this] { return forms::checkValue(sub1()->Check4); };
    h.twoLineCompanyName = [this] { return sub2()->Text7->text(); };
    h.firstJointName = [this] { return sub3()->txtName[1]->text(); };
    main_.refreshCommandAvailability();
}

void InputWindows::DrawOmotegakiPreview() { OmotePreview(*this, fields_).draw(); }

void InputWindows::DrawNameWritingPreview() { NamePreview(*this, fields_).draw(); }

} // namespace app
