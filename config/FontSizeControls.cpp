#include "config/SettingsHost.h"

#include "platform/forms/Controls.h"

#include <QCheckBox>
#include <QRadioButton>

namespace config {

FontSizeOptions FontSizeControls::read() const
{
    FontSizeOptions o;
    for (size_t i = 0; i < 4; ++i) {
        o.omoteSize[i] = omoteSize[i]->isChecked();
        o.nameSize[i] = nameSize[i]->isChecked();
    }
    o.omoteBold = forms::checkValue(omoteBold);
    o.nameBold = forms::checkValue(nameBold);
    return o;
}

void FontSizeControls::apply(const FontSizeOptions& o) const
{
    auto set = [](QRadioButton* option, bool on) {
        if (on || option->isChecked())
            forms::setOptionValue(option, on);
    };
    for (size_t i = 0; i < 4; ++i)
        set(nameSize[i], o.nameSize[i]);
    for (size_t i = 0; i < 4; ++i)
        set(omoteSize[i], o.omoteSize[i]);
    forms::setCheckValue(omoteBold, o.omoteBold);
    forms::setCheckValue(nameBold, o.nameBold);
}

} // namespace config
