// Each spinner of the settings dialog counts the way its arrows point; only
// the calibration spinners run reversed (their upper arrow moves the print up
// or to the left, which lowers the number).
#include "config/ConfigSupport.h"

#include "common/SpinnerArrows.h"
#include "config/CalibrationPage.h"
#include "config/CompanyNamePage.h"
#include "platform/forms/UpDown.h"

namespace {

struct Arrow {
    const char* what;
    QLineEdit* box;
    QScrollBar* spin;
    const char* start;
    const char* afterUpper; // the upper arrow clicked once
    const char* afterLower; // then the lower arrow twice
};

void clickThrough(const Arrow& a)
{
    SCOPED_TRACE(a.what);
    forms::setText(a.box, QString::fromUtf8(a.start));
    clickArrow(a.spin, true);
    EXPECT_EQ(a.box->text(), QString::fromUtf8(a.afterUpper));
    clickArrow(a.spin, false);
    clickArrow(a.spin, false);
    EXPECT_EQ(a.box->text(), QString::fromUtf8(a.afterLower));
}

} // namespace

TEST_F(ConfigTest, SpinnersCountTheWayTheirArrowsPoint)
{
    config::SizeRegistrationPage& r = reg();
    auto* company = open(w->mnuSet8).tab<config::CompanyNamePage>(config::Noshisettei::CompanyNameTab);
    auto* calib = open(w->mnuSet0).tab<config::CalibrationPage>(config::Noshisettei::CalibrationTab);
    const Arrow arrows[] = {
        {"width", r.Text20, r.UpDown2, "214", "215", "213"},
        {"height", r.Text21, r.UpDown3, "100", "101", "99"},
        {"company-name size", company->Text1, company->UpDown1, "12", "13", "11"},
        {"copies", w->Text1, w->UpDown2, "5", "6", "4"},
        {"across", calib->Text14, calib->UpDown4, "0", "-1", "1"},
        {"inscription down", calib->Text2, calib->UpDown5, "3", "2", "4"},
        {"name down", calib->Text8, calib->UpDown6, "-3", "-4", "-2"},
    };
    for (const Arrow& a : arrows)
        clickThrough(a);
}
