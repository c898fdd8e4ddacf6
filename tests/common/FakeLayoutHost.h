// A LayoutHost over plain fields, standing in for the main window and the
// input sub-windows in tests and tools. Write-backs are recorded.
#pragma once

#include "layout/LayoutHost.h"

#include <QStringList>
#include <array>

class FakeLayoutHost : public layout::LayoutHost {
public:
    FakeLayoutHost();

    // main window
    QString omote = QStringLiteral("御祝");
    QString name;
    app::NameStyle style = app::NameStyle::OneLine;
    QString printFont = QStringLiteral("ＭＳ 明朝");
    bool oBold = false, nBold = false;
    layout::SizeOption omoteSize = layout::SizeOption::Standard;
    layout::SizeOption nameSize = layout::SizeOption::Standard;
    QString jointCount = QStringLiteral("1");
    // frmTextSub0
    QString titleRight, titleLeft, twoLineRight, twoLineLeft;
    // frmTextSub1
    QString objectFile, rankFrom, rankTo, kana, postal, address[2], phone, faxText;
    // frmTextSub2
    QString company, title, person;
    int personMax = 0;
    // frmTextSub3
    std::array<QString, 8> joint; // 1..7
    bool bow = true, narrow = false;
    // template rows: OmoteSizeLen1..4 per index
    std::array<int16_t, 4> rowSizes{48, 44, 40, 32};
    int rowCount = 79;

    // every write-back, as "field=text"
    QStringList writes;

    QString omoteText() const override { return omote; }
    void setOmoteText(const QString& t) override { omote = t; writes << "Combo2=" + t; }
    QString nameText() const override { return name; }
    void setNameText(const QString& t) override { name = t; writes << "Text2=" + t; }
    app::NameStyle nameStyle() const override { return style; }
    QString printFontName() const override { return printFont; }
    bool omoteBold() const override { return oBold; }
    bool nameBold() const override { return nBold; }
    layout::SizeOption omoteSizeOption() const override { return omoteSize; }
    layout::SizeOption nameSizeOption() const override { return nameSize; }
    QString jointCountText() const override { return jointCount; }
    QString shoulderTitleRight() const override { return titleRight; }
    QString shoulderTitleLeft() const override { return titleLeft; }
    void setShoulderTitleRight(const QString& t) override { titleRight = t; writes << "Text4=" + t; }
    void setShoulderTitleLeft(const QString& t) override { titleLeft = t; writes << "Text5=" + t; }
    QString twoLineOmoteRight() const override { return twoLineRight; }
    QString twoLineOmoteLeft() const override { return twoLineLeft; }
    void setTwoLineOmoteRight(const QString& t) override { twoLineRight = t; writes << "Text1=" + t; }
    void setTwoLineOmoteLeft(const QString& t) override { twoLineLeft = t; writes << "Text2(sub0)=" + t; }
    QString objectFilePath() const override { return objectFile; }
    QString rankStart() const override { return rankFrom; }
    QString rankEnd() const override { return rankTo; }
    QString furigana() const override { return kana; }
    QString postcode() const override { return postal; }
    QString addressLine(int i) const override { return address[i]; }
    QString telephone() const override { return phone; }
    QString fax() const override { return faxText; }
    QString companyName() const override { return company; }
    void setCompanyName(const QString& t) override { company = t; writes << "Text7=" + t; }
    QString titleText() const override { return title; }
    QString personName() const override { return person; }
    void setPersonName(const QString& t) override { person = t; writes << "Text8=" + t; }
    int personNameMaxLength() const override { return personMax; }
    QString jointName(int i) const override { return joint[i]; }
    bool knotBow() const override { return bow; }
    bool knotTie() const override { return !bow; }
    void selectKnotTie() override { bow = false; writes << QStringLiteral("Option2=結び切り"); }
    bool spacingNormal() const override { return !narrow; }
    bool spacingNarrow() const override { return narrow; }
    bool omoteSizes(int index, std::array<int16_t, 4>& sizes) const override;
};
