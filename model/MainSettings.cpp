#include "model/MainSettings.h"

#include "platform/settings/SettingsStore.h"
#include "platform/vb/VbNum.h"

#include <cmath>

namespace app {

QString boolText(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }

std::optional<bool> toBool(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (auto n = vb::ToNumber(t))
        return *n != 0;
    return std::nullopt;
}

std::optional<int> toInt16(const QString& text)
{
    const auto n = vb::ToNumber(text);
    if (!n)
        return std::nullopt;
    try {
        return vb::CInt(*n);
    } catch (const vb::OverflowError&) {
        return std::nullopt;
    }
}

std::optional<double> toSingle(const QString& text)
{
    const auto n = vb::ToNumber(text);
    if (!n || !std::isfinite(float(*n)))
        return std::nullopt;
    return double(float(*n));
}

std::optional<int> toCheckState(const QString& text)
{
    const auto v = toInt16(text);
    if (!v || *v < 0 || *v > 2)
        return std::nullopt;
    return v;
}

namespace {

QString get(const char* key, const QString& def) { return settings::GetSetting(QLatin1String(key), def); }

template <typename T, typename Conv>
void readInto(T& target, const char* key, const QString& def, Conv conv)
{
    if (auto v = conv(get(key, def)))
        target = *v;
}

void readBool(bool& target, const char* key, bool def) { readInto(target, key, boolText(def), toBool); }
void readCheck(int& target, const char* key) { readInto(target, key, QStringLiteral("0"), toCheckState); }

} // namespace

void readFirstGroup(MainSettings& s)
{
    readInto(s.MainLeft, "MainLeft", QStringLiteral("0"), toSingle);
    readInto(s.MainTop, "MainTop", QStringLiteral("0"), toSingle);
    if (auto v = toInt16(get("WindowState", QStringLiteral("0"))); v && *v >= 0 && *v <= 2)
        s.WindowState = *v;
    s.Font = get("Font", QStringLiteral("ＭＳ 明朝"));
    const QString color = get("rtfColor", QString::number(DefaultUsuzumiColor));
    if (color.isEmpty()) {
        s.rtfColor = DefaultUsuzumiColor;
    } else if (auto n = vb::ToNumber(color); n && *n >= 0 && *n <= 0xFFFFFFFF) {
        s.rtfColor = uint32_t(vb::RoundHalfEven(*n));
    }
    s.FileParth = get("FileParth", QString());
    s.PictureFile = get("PictureFile", QString());
    s.NFontSize = get("NFontSize", QStringLiteral("1"));
    s.OFontSize = get("OFontSize", QStringLiteral("1"));
    readBool(s.Toffset4, "Toffset4", false);
    readBool(s.Toffset5, "Toffset5", true);
    readBool(s.Toffset6, "Toffset6", false);
    readBool(s.Toffset9, "Toffset9", false);
    readBool(s.Set7, "Set7", true);
    readBool(s.Set8, "Set8", false);
    s.PrinterName = get("PrinterName", QString());
    s.CoNameA = get("CoNameA", QString());
    s.CoNameB = get("CoNameB", QString());
    readBool(s.CoPrintSetA, "CoPrintSetA", true);
    readBool(s.CoPrintSetB, "CoPrintSetB", true);
    readCheck(s.CoPrint, "CoPrint");
    readCheck(s.Printset, "Printset");
    readCheck(s.PrintUnset, "PrintUnset");
    readCheck(s.OBold, "OBold");
    readCheck(s.NBold, "NBold");
    readCheck(s.Hanshiban, "Hanshiban");
    if (s.NFontSize.isEmpty())
        s.NFontSize = QStringLiteral("1");
    if (s.OFontSize.isEmpty())
        s.OFontSize = QStringLiteral("1");
}

void readOffsets(MainSettings& s)
{
    // The page printers place pages against the driver's real margins, so a
    // first run needs no offset across: 0 prints centred on the sheet.
    readInto(s.PrOffsetX, "PrOffsetX", QStringLiteral("0"), toInt16);
    readInto(s.PrOffsetY, "PrOffsetY", QStringLiteral("0"), toInt16);
}

bool writeAll(const MainSettings& s, bool withPlacement, QString* error)
{
    // All keys in one replacement of the file: a save cut short leaves the
    // old settings whole, never a mix of old and new.
    QList<settings::Setting> all;
    auto put = [&](const char* key, const QString& value) { all.append({QLatin1String(key), value}); };
    auto num = [](double v) { return QString::number(v, 'g', 7); };
    if (withPlacement) {
        put("MainLeft", num(s.MainLeft));
        put("MainTop", num(s.MainTop));
        put("MainWidth", num(s.MainWidth));
        put("MainHeight", num(s.MainHeight));
        put("WindowState", QString::number(s.WindowState));
    }
    put("Font", s.Font);
    put("rtfColor", QString::number(s.rtfColor));
    put("PrOffsetX", QString::number(s.PrOffsetX));
    put("PrOffsetY", QString::number(s.PrOffsetY));
    put("FileParth", s.FileParth);
    put("PictureFile", s.PictureFile);
    put("NFontSize", s.NFontSize);
    put("OFontSize", s.OFontSize);
    put("Toffset4", boolText(s.Toffset4));
    put("Toffset5", boolText(s.Toffset5));
    put("Toffset6", boolText(s.Toffset6));
    put("Toffset9", boolText(s.Toffset9));
    put("Set7", boolText(s.Set7));
    put("Set8", boolText(s.Set8));
    put("PrinterName", s.PrinterName);
    put("CoNameA", s.CoNameA);
    put("CoNameB", s.CoNameB);
    put("CoPrintSetA", boolText(s.CoPrintSetA));
    put("CoPrintSetB", boolText(s.CoPrintSetB));
    put("CoPrint", QString::number(s.CoPrint));
    put("Printset", QString::number(s.Printset));
    put("PrintUnset", QString::number(s.PrintUnset));
    put("OBold", QString::number(s.OBold));
    put("NBold", QString::number(s.NBold));
    put("Hanshiban", QString::number(s.Hanshiban));
    return settings::SaveSettings(all, settings::Section, error);
}

} // namespace app
