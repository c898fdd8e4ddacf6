#include "app/WindowLayoutHost.h"

#include "app/InputWindows.h"
#include "app/NoshiMain.h"
#include "model/TemplateCatalogue.h"
#include "platform/forms/Controls.h"
#include "platform/vb/VbNum.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace app {

using layout::SizeOption;

namespace {

SizeOption optionOf(const QRadioButton* standard, const QRadioButton* larger, const QRadioButton* smaller,
                    const QRadioButton* extra)
{
    if (standard->isChecked())
        return SizeOption::Standard;
    if (larger->isChecked())
        return SizeOption::Larger;
    if (smaller->isChecked())
        return SizeOption::Smaller;
    if (extra->isChecked())
        return SizeOption::Extra;
    return SizeOption::None;
}

} // namespace

SizeOption omoteSizeOptionOf(const NoshiMain& m) { return optionOf(m.Option11, m.Option22, m.Option33, m.OptionOB); }
SizeOption nameSizeOptionOf(const NoshiMain& m) { return optionOf(m.Option1, m.Option2, m.Option3, m.OptionNB); }
QString companyTrimmed(const QString& company) { return vb::TrimHalf(company); }

QString WindowLayoutHost::omoteText() const { return w_.main().Combo2->currentText(); }
void WindowLayoutHost::setOmoteText(const QString& text) { forms::setText(w_.main().Combo2, text); }
QString WindowLayoutHost::nameText() const { return w_.main().Text2->text(); }
void WindowLayoutHost::setNameText(const QString& text) { forms::setText(w_.main().Text2, text); }
app::NameStyle WindowLayoutHost::nameStyle() const { return app::nameStyleOf(w_.main().Combo3->currentText()); }
QString WindowLayoutHost::printFontName() const { return w_.main().Combo4->currentText(); }
bool WindowLayoutHost::omoteBold() const { return forms::checkValue(w_.main().CheckOBold) == 1; }
bool WindowLayoutHost::nameBold() const { return forms::checkValue(w_.main().CheckNBold) == 1; }
SizeOption WindowLayoutHost::omoteSizeOption() const { return omoteSizeOptionOf(w_.main()); }
SizeOption WindowLayoutHost::nameSizeOption() const { return nameSizeOptionOf(w_.main()); }
QString WindowLayoutHost::jointCountText() const { return w_.main().Text3->text(); }

QString WindowLayoutHost::shoulderTitleRight() const { return w_.sub0()->Text4->text(); }
QString WindowLayoutHost::shoulderTitleLeft() const { return w_.sub0()->Text5->text(); }
void WindowLayoutHost::setShoulderTitleRight(const QString& text) { forms::setText(w_.sub0()->Text4, text); }
void WindowLayoutHost::setShoulderTitleLeft(const QString& text) { forms::setText(w_.sub0()->Text5, text); }
QString WindowLayoutHost::twoLineOmoteRight() const { return w_.sub0()->Text1->text(); }
QString WindowLayoutHost::twoLineOmoteLeft() const { return w_.sub0()->Text2->text(); }
void WindowLayoutHost::setTwoLineOmoteRight(const QString& text) { forms::setText(w_.sub0()->Text1, text); }
void WindowLayoutHost::setTwoLineOmoteLeft(const QString& text) { forms::setText(w_.sub0()->Text2, text); }

QString WindowLayoutHost::objectFilePath() const { return w_.sub1()->Text3->text(); }
QString WindowLayoutHost::rankStart() const { return w_.sub1()->txtStart->text(); }
QString WindowLayoutHost::rankEnd() const { return w_.sub1()->txtEnd->text(); }
QString WindowLayoutHost::furigana() const { return w_.sub1()->Text6->text(); }
QString WindowLayoutHost::postcode() const { return w_.sub1()->Text2->text(); }
QString WindowLayoutHost::addressLine(int index) const
{
    return index == 0 || index == 1 ? w_.sub1()->Text5[size_t(index)]->text() : QString();
}
QString WindowLayoutHost::telephone() const { return w_.sub1()->Text1->text(); }
QString WindowLayoutHost::fax() const { return w_.sub1()->Text9->text(); }

QString WindowLayoutHost::companyName() const { return w_.sub2()->Text7->text(); }
void WindowLayoutHost::setCompanyName(const QString& text) { forms::setText(w_.sub2()->Text7, text); }
QString WindowLayoutHost::titleText() const { return w_.sub2()->Combo2->currentText(); }
QString WindowLayoutHost::personName() const { return w_.sub2()->Text8->text(); }
void WindowLayoutHost::setPersonName(const QString& text) { forms::setText(w_.sub2()->Text8, text); }
int WindowLayoutHost::personNameMaxLength() const { return w_.sub2()->Text8MaxLength; }

QString WindowLayoutHost::jointName(int index) const
{
    return index >= 1 && index <= frmTextSub3::NameCount ? w_.sub3()->txtName[size_t(index)]->text() : QString();
}
bool WindowLayoutHost::knotBow() const { return w_.sub3()->Option1->isChecked(); }
bool WindowLayoutHost::knotTie() const { return w_.sub3()->Option2->isChecked(); }
void WindowLayoutHost::selectKnotTie() { forms::setOptionValue(w_.sub3()->Option2, true); }
bool WindowLayoutHost::spacingNormal() const { return w_.sub3()->Option3->isChecked(); }
bool WindowLayoutHost::spacingNarrow() const { return w_.sub3()->Option4->isChecked(); }

bool WindowLayoutHost::omoteSizes(int templateIndex, std::array<int16_t, 4>& sizes) const
{
    if (templateIndex < 0 || templateIndex >= BuiltinTemplateCatalogue::Capacity)
        return false;
    const BuiltinTemplate& row = catalogue().row(templateIndex);
    if (row.isEmpty())
        return false;
    sizes = {int16_t(row.OmoteSizeLen1), int16_t(row.OmoteSizeLen2), int16_t(row.OmoteSizeLen3),
             int16_t(row.OmoteSizeLen4)};
    return true;
}

} // namespace app
