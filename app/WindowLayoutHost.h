// The layout's view of the real windows: the main window and the input
// sub-windows. Writes go through the controls, so they run the main
// window's change reactions (which redraw its previews, with the previews'
// own working fields) as a user's typing would.
#pragma once

#include "layout/LayoutHost.h"

namespace app {

class InputWindows;
class NoshiMain;

layout::SizeOption omoteSizeOptionOf(const NoshiMain& m);
layout::SizeOption nameSizeOptionOf(const NoshiMain& m);
// The company name as the two-line name is written: without the leading
// and trailing half-width blanks.
QString companyTrimmed(const QString& company);

class WindowLayoutHost : public layout::LayoutHost {
public:
    explicit WindowLayoutHost(InputWindows& windows) : w_(windows) {}

    QString omoteText() const override;
    void setOmoteText(const QString& text) override;
    QString nameText() const override;
    void setNameText(const QString& text) override;
    app::NameStyle nameStyle() const override;
    QString printFontName() const override;
    bool omoteBold() const override;
    bool nameBold() const override;
    layout::SizeOption omoteSizeOption() const override;
    layout::SizeOption nameSizeOption() const override;
    QString jointCountText() const override;

    QString shoulderTitleRight() const override;
    QString shoulderTitleLeft() const override;
    void setShoulderTitleRight(const QString& text) override;
    void setShoulderTitleLeft(const QString& text) override;
    QString twoLineOmoteRight() const override;
    QString twoLineOmoteLeft() const override;
    void setTwoLineOmoteRight(const QString& text) override;
    void setTwoLineOmoteLeft(const QString& text) override;

    QString objectFilePath() const override;
    QString rankStart() const override;
    QString rankEnd() const override;
    QString furigana() const override;
    QString postcode() const override;
    QString addressLine(int index) const override;
    QString telephone() const override;
    QString fax() const override;

    QString companyName() const override;
    void setCompanyName(const QString& text) override;
    QString titleText() const override;
    QString personName() const override;
    void setPersonName(const QString& text) override;
    int personNameMaxLength() const override;

    QString jointName(int index) const override;
    bool knotBow() const override;
    bool knotTie() const override;
    void selectKnotTie() override;
    bool spacingNormal() const override;
    bool spacingNarrow() const override;

    bool omoteSizes(int templateIndex, std::array<int16_t, 4>& sizes) const override;

private:
    InputWindows& w_;
};

} // namespace app
