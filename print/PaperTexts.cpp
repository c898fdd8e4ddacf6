#include "print/PaperTexts.h"

#include "platform/vb/VbNum.h"
#include "print/PrintGeometry.h"

#include <array>

namespace noshi {

namespace {

// Codes 1 to 118 in order; 56 has no name of its own.
constexpr std::array<const char*, 118> kCodeNames = {
    "LETTER", "LETTERSMALL", "TABLOID", "LEDGER", "LEGAL", "STATEMENT", "EXECUTIVE", "A3", "A4", "A4SMALL",
    "A5", "B4", "B5", "FOLIO", "QUARTO", "10X14", "11X17", "NOTE", "ENV_9", "ENV_10",
    "ENV_11", "ENV_12", "ENV_14", "CSHEET", "DSHEET", "ESHEET", "ENV_DL", "ENV_C5", "ENV_C3", "ENV_C4",
    "ENV_C6", "ENV_C65", "ENV_B4", "ENV_B5", "ENV_B6", "ENV_ITALY", "ENV_MONARCH", "ENV_PERSONAL",
    "FANFOLD_US", "FANFOLD_STD_GERMAN", "FANFOLD_LGL_GERMAN", "ISO_B4", "JAPANESE_POSTCARD", "9X11", "10X11",
    "15X11", "ENV_INVITE", "RESERVED_48", "RESERVED_49", "LETTER_EXTRA", "LEGAL_EXTRA", "TABLOID_EXTRA",
    "A4_EXTRA", "LETTER_TRANSVERSE", "A4_TRANSVERSE", nullptr, "A_PLUS", "B_PLUS", "LETTER_PLUS", "A4_PLUS",
    "A5_TRANSVERSE", "B5_TRANSVERSE", "A3_EXTRA", "A5_EXTRA", "B5_EXTRA", "A2", "A3_TRANSVERSE",
    "A3_EXTRA_TRANSVERSE", "DBL_JAPANESE_POSTCARD", "A6", "JENV_KAKU2", "JENV_KAKU3", "JENV_CHOU3",
    "JENV_CHOU4", "LETTER_ROTATED", "A3_ROTATED", "A4_ROTATED", "A5_ROTATED", "B4_JIS_ROTATED",
    "B5_JIS_ROTATED", "JAPANESE_POSTCARD_ROTATED", "DBL_JAPANESE_POSTCARD_ROTATED", "A6_ROTATED",
    "JENV_KAKU2_ROTATED", "JENV_KAKU3_ROTATED", "JENV_CHOU3_ROTATED", "JENV_CHOU4_ROTATED", "B6_JIS",
    "B6_JIS_ROTATED", "12X11", "JENV_YOU4", "JENV_YOU4_ROTATED", "P16K", "P32K", "P32KBIG", "PENV_1",
    "PENV_2", "PENV_3", "PENV_4", "PENV_5", "PENV_6", "PENV_7", "PENV_8", "PENV_9", "PENV_10",
    "P16K_ROTATED", "P32K_ROTATED", "P32KBIG_ROTATED", "PENV_1_ROTATED", "PENV_2_ROTATED", "PENV_3_ROTATED",
    "PENV_4_ROTATED", "PENV_5_ROTATED", "PENV_6_ROTATED", "PENV_7_ROTATED", "PENV_8_ROTATED",
    "PENV_9_ROTATED", "PENV_10_ROTATED"};

struct BinText {
    int bin;
    const char16_t* text;
};
constexpr BinText kBins[] = {
    {1, u"上段のトレーの用紙を使います。"},
    {2, u"下段のトレーの用紙を使います。"},
    {3, u"中央のトレーの用紙を使います。"},
    {4, u"用紙が1枚ずつ手差しで供給されるまで待機します。"},
    {5, u"封筒フィーダの封筒を使います。"},
    {6, u"封筒フィーダの封筒が手差しで供給されるまで待機します。"},
    {7, u"現在の既定値のトレーの用紙を使います。"},
    {8, u"トラクタフィーダの用紙を使います。"},
    {9, u"小さいペーパーフィーダの用紙を使います。"},
    {10, u"大きいペーパーフィーダの用紙を使います。"},
    {11, u"容量の大きいフィーダの用紙を使います。"},
    {14, u"カセットカートリッジの用紙を使います。"},
};

// Descriptions of codes 1 to 41.
constexpr std::array<const char16_t*, 41> kDescriptions = {
    u"レター、8 1/2 x 11 インチ",
    u"レター スモール、8 1/2 x 11 インチ",
    u"タブロイド、11 x 17 インチ",
    u"レジャー、17 x 11 インチ",
    u"リーガル、8 1/2 x 14 インチ",
    u"ステートメント、5 1/2 x 8 1/2 インチ",
    u"エグゼクティブ、7 1/2 x 10 1/2 インチ",
    u"A3、297 x 420 mm",
    u"A4、210 x 297 mm",
    u"A4 Small、210 x 297 mm",
    u"A5、148 x 210 mm",
    u"B4、250 x 354 mm",
    u"B5、182 x 257 mm",
    u"フォリオ、8 1/2 x 13 インチ",
    u"クォート、215 x 275 mm",
    u"10 x 14 インチ",
    u"11 x 17 インチ",
    u"ノート、8 1/2 x 11 インチ",
    u"封筒 #9、3 7/8 x 8 7/8 インチ",
    u"封筒 #10、4 1/8 x 9 1/2 インチ",
    u"封筒 #11、4 1/2 x 10 3/8 インチ",
    u"封筒 #12、4 1/2 x 11 インチ",
    u"封筒 #14、5 x 11 1/2 インチ",
    u"C サイズ シート",
    u"D サイズ シート",
    u"E サイズ シート",
    u"封筒 DL、110 x 220 mm",
    u"封筒 C5、162 x 229 mm",
    u"封筒 C3、324 x 458 mm",
    u"封筒 C4、229 x 324 mm",
    u"封筒 C6、114 x 162 mm",
    u"封筒 C65、114 x 229 mm",
    u"封筒 B4、250 x 353 mm",
    u"封筒 B5、176 x 250 mm",
    u"封筒 B6、176 x 125 mm",
    u"封筒、110 x 230 mm",
    u"封筒 Monarch、3 7/8 x 7 1/2 インチ",
    u"封筒、3 5/8 x 6 1/2 インチ",
    u"U.S. スタンダード ファンフォールド、14 7/8 x 11 インチ",
    u"ドイツ スタンダード ファンフォールド、8 1/2 x 12 インチ",
    u"ドイツ リーガル ファンフォールド、8 1/2 x 13 インチ",
};

} // namespace

QString PaperCodeNames(int16_t code)
{
    if (code >= 1 && code <= int(kCodeNames.size()) && kCodeNames[code - 1])
        return QString::fromLatin1(kCodeNames[code - 1]);
    const QString kind = code < 256 ? QStringLiteral("UNKNOWN") : QStringLiteral("USER");
    return kind + u'(' + QString::number(code) + u')';
}

QString PaperBinText(int bin)
{
    for (const BinText& b : kBins)
        if (b.bin == bin)
            return QString::fromUtf16(b.text);
    return QString();
}

QString OrientationText(int orientation)
{
    if (orientation == 1)
        return QStringLiteral("用紙幅の狭い側を上にして印刷されます。");
    if (orientation == 2)
        return QStringLiteral("用紙幅の広い側を上にして印刷されます｡");
    return QString();
}

QString PaperDescription(int code, int widthMm, int heightMm)
{
    if (code >= 1 && code <= int(kDescriptions.size()))
        return QString::fromUtf16(kDescriptions[code - 1]);
    // The physical width follows "H " and the height follows " × W ".
    const QString size = QStringLiteral("H %1 × W %2㎜").arg(widthMm).arg(heightMm);
    if (code == 256)
        return QStringLiteral("ユーザー定義サイズ  ") + size;
    return QStringLiteral("User Size  ") + size;
}

QString MaxCopiesText(int copies)
{
    return QStringLiteral("このプリンターの最大印刷部数は　%1枚です。").arg(copies);
}

int PhysicalMm(int pixels, double twipsPerPixel)
{
    return int(vb::RoundHalfEven(pixels * twipsPerPixel / TwipsPerMm));
}

} // namespace noshi
