// The main window's input sub-windows and its two previews. A reader of a
// sub-window that is not loaded gets it created hidden and empty; OK hides a
// sub-window and keeps its values, Cancel and the main window's reset and
// closing unload it. install() hands the windows and the previews to the
// main window's hooks.
#pragma once

#include "app/PreviewFields.h"
#include "app/frmTextSub0.h"
#include "app/frmTextSub1.h"
#include "app/frmTextSub2.h"
#include "app/frmTextSub3.h"
#include "app/frmTextSub4.h"

namespace app {

class NoshiMain;

class InputWindows {
public:
    explicit InputWindows(NoshiMain& main);
    ~InputWindows();
    InputWindows(const InputWindows&) = delete;
    InputWindows& operator=(const InputWindows&) = delete;

    // Sets the main window's hooks to these windows and previews and enables
    // the commands that open them; the destructor clears the hooks again.
    void install();

    NoshiMain& main() const { return main_; }
    frmTextSub0* sub0() { return sub0_.get(); }
    frmTextSub1* sub1() { return sub1_.get(); }
    frmTextSub2* sub2() { return sub2_.get(); }
    frmTextSub3* sub3() { return sub3_.get(); }
    frmTextSub4* sub4() { return sub4_.get(); }
    forms::FormRef<frmTextSub0>& ref0() { return sub0_; }
    forms::FormRef<frmTextSub1>& ref1() { return sub1_; }
    forms::FormRef<frmTextSub2>& ref2() { return sub2_; }
    forms::FormRef<frmTextSub3>& ref3() { return sub3_; }
    forms::FormRef<frmTextSub4>& ref4() { return sub4_; }

    // The previews, drawn into the main window's RichTextBox1 and RichTextBox2.
    void DrawOmotegakiPreview();
    void DrawNameWritingPreview();
    const PreviewFields& previewFields() const { return fields_; }

    // The main window's preview boxes, in millimetres.
    static constexpr double PreviewBoxWidthTwips = 1350;
    static constexpr double PreviewBoxHeightTwips = 2415;

private:
    NoshiMain& main_;
    forms::FormRef<frmTextSub0> sub0_;
    forms::FormRef<frmTextSub1> sub1_;
    forms::FormRef<frmTextSub2> sub2_;
    forms::FormRef<frmTextSub3> sub3_;
    forms::FormRef<frmTextSub4> sub4_; // bulk label editor: no owner
    PreviewFields fields_;
};

} // namespace app
