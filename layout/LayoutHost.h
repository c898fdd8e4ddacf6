// What the layout reads from the main window and the input sub-windows, and
// the few values it writes back into them. The real implementation sits over
// the windows; writing the inscription or the name there runs the main
// window's own change reaction, which cannot disturb the layout because the
// layout's working fields live in LayoutContext.
#pragma once

#include "model/NameStyle.h"

#include <QString>
#include <array>
#include <cstdint>

namespace layout {

// The size options "標準", "大きめ", "小さめ", "特大"; None while no option is on.
enum class SizeOption { None, Standard, Larger, Smaller, Extra };

class LayoutHost {
public:
    virtual ~LayoutHost() = default;

    // --- main window ---
    virtual QString omoteText() const = 0;                 // NoshiMain.Combo2, unchanged
    virtual void setOmoteText(const QString& text) = 0;
    virtual QString nameText() const = 0;                  // NoshiMain.Text2
    virtual void setNameText(const QString& text) = 0;
    virtual app::NameStyle nameStyle() const = 0;          // NoshiMain.Combo3, by its text
    virtual QString printFontName() const = 0;             // NoshiMain.Combo4 text
    virtual bool omoteBold() const = 0;                    // CheckOBold has the value 1
    virtual bool nameBold() const = 0;                     // CheckNBold has the value 1
    virtual SizeOption omoteSizeOption() const = 0;        // Option11/22/33/OB
    virtual SizeOption nameSizeOption() const = 0;         // Option1/2/3/NB
    virtual QString jointCountText() const = 0;            // NoshiMain.Text3

    // --- inscription extension (frmTextSub0) ---
    virtual QString shoulderTitleRight() const = 0;        // Text4
    virtual QString shoulderTitleLeft() const = 0;         // Text5
    virtual void setShoulderTitleRight(const QString& text) = 0;
    virtual void setShoulderTitleLeft(const QString& text) = 0;
    virtual QString twoLineOmoteRight() const = 0;         // Text1
    virtual QString twoLineOmoteLeft() const = 0;          // Text2
    virtual void setTwoLineOmoteRight(const QString& text) = 0;
    virtual void setTwoLineOmoteLeft(const QString& text) = 0;

    // --- name extension (frmTextSub1) ---
    virtual QString objectFilePath() const = 0;            // Text3
    virtual QString rankStart() const = 0;                 // txtStart
    virtual QString rankEnd() const = 0;                   // txtEnd
    virtual QString furigana() const = 0;                  // Text6
    virtual QString postcode() const = 0;                  // Text2
    virtual QString addressLine(int index) const = 0;      // Text5(0), Text5(1)
    virtual QString telephone() const = 0;                 // Text1
    virtual QString fax() const = 0;                       // Text9

    // --- two-line name (frmTextSub2) ---
    virtual QString companyName() const = 0;               // Text7
    virtual void setCompanyName(const QString& text) = 0;
    virtual QString titleText() const = 0;                 // Combo2
    virtual QString personName() const = 0;                // Text8
    virtual void setPersonName(const QString& text) = 0;
    virtual int personNameMaxLength() const = 0;           // Text8.MaxLength, 0 = no limit

    // --- joint names (frmTextSub3) ---
    virtual QString jointName(int index) const = 0;        // txtName(1..7)
    virtual bool knotBow() const = 0;                      // Option1 "蝶結び"
    virtual bool knotTie() const = 0;                      // Option2 "結び切り"
    virtual void selectKnotTie() = 0;                      // Option2 on, Option1 off
    virtual bool spacingNormal() const = 0;                // Option3 "標　準"
    virtual bool spacingNarrow() const = 0;                // Option4 "狭い"

    // --- template table ---
    // OmoteSizeLen1..4 of a template row; false when the row does not exist.
    virtual bool omoteSizes(int templateIndex, std::array<int16_t, 4>& sizes) const = 0;
};

} // namespace layout
