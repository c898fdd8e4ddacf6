// The main window's keys in the settings store, with their text forms and
// defaults. Reading converts each key; a text that does not convert leaves
// the value it had. The window applies the values to its controls.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace app {

struct MainSettings {
    // First group, in reading order.
    double MainLeft = 0, MainTop = 0;   // twips
    double MainWidth = 0, MainHeight = 0; // written only
    int WindowState = 0;                // 0 normal, 1 minimised, 2 maximised
    QString Font = QStringLiteral("ＭＳ 明朝");
    uint32_t rtfColor = 0;
    QString FileParth;
    QString PictureFile;
    QString NFontSize = QStringLiteral("1");
    QString OFontSize = QStringLiteral("1");
    bool Toffset4 = false, Toffset5 = true, Toffset6 = false, Toffset9 = false;
    bool Set7 = true, Set8 = false;
    QString PrinterName;
    QString CoNameA, CoNameB;
    bool CoPrintSetA = true, CoPrintSetB = true;
    int CoPrint = 0, Printset = 0, PrintUnset = 0, OBold = 0, NBold = 0, Hanshiban = 0;
    // Second group, read after the platform test.
    int PrOffsetX = 0, PrOffsetY = 0;
};

inline constexpr uint32_t DefaultUsuzumiColor = 12632256; // C0C0C0, light grey

// Reads MainLeft .. Hanshiban in order into `s`, then the fallbacks for an
// empty colour and empty size texts.
void readFirstGroup(MainSettings& s);
// Reads PrOffsetX and PrOffsetY, both 0 when absent.
void readOffsets(MainSettings& s);
// Writes every key in the closing order; position keys only when `withPlacement`.
// False with the first error when the store cannot be written.
bool writeAll(const MainSettings& s, bool withPlacement, QString* error = nullptr);

// Text forms.
QString boolText(bool v);                           // "True" / "False"
std::optional<bool> toBool(const QString& text);    // True/False or a number
std::optional<int> toInt16(const QString& text);    // rounds half to even
std::optional<double> toSingle(const QString& text);
std::optional<int> toCheckState(const QString& text); // 0, 1 or 2 only

} // namespace app
