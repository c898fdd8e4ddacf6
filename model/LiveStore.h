// The program-wide state every window shares: registered paper sizes with
// their calibration offsets, registered inscriptions, the current page and
// job, and a few program-wide settings. Plain data without widgets, so the
// dispatcher, the layout and the configuration windows reach it directly.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace app {

constexpr int NameStyleCount = 3; // 0 "１行印刷", 1 "２行印刷", 2 "連名印刷"

inline const QString FreeSizeTemplateKey = QStringLiteral("短冊（フリー）");

struct RegisteredSize {
    std::array<QString, NameStyleCount> RegSizeTemplate; // template key per name style
    std::array<QString, NameStyleCount> RegSizeName;     // the user's name per name style
    std::array<int, NameStyleCount> RegOffsetX{};        // 4-point blank lines
    std::array<int, NameStyleCount> RegOffsetOmote{};    // 10-point blanks
    std::array<int, NameStyleCount> RegOffsetName{};
    int RegSizeWidth = 0;  // mm; 0: the template's size applies
    int RegSizeHeight = 0;

    bool operator==(const RegisteredSize&) const = default;
};

class LiveStore {
public:
    static constexpr int RegSizeCapacity = 101;
    static constexpr int OmoteCapacity = 201;

    // --- registered sizes: rows 0..RegSizeCount-1 are valid ---
    std::array<RegisteredSize, RegSizeCapacity> sizes;
    int RegSizeCount = 0;

    // --- registered inscriptions: 0..OmoteCount-1 ---
    std::array<QString, OmoteCapacity> OmoteList;
    int OmoteCount = 0;

    // Adding past the capacity is refused: false, with the message for the user.
    bool addSize(const RegisteredSize& size, QString* message = nullptr);
    // Later rows move up by one; false for a row outside 0..RegSizeCount-1.
    bool deleteSize(int row);
    bool addOmote(const QString& text, QString* message = nullptr);
    bool deleteOmote(int index);
    // First row whose style-`style` name, trimmed of blanks at both ends,
    // equals the trimmed `name`; RegSizeCount when none.
    int findSize(const QString& name, int style) const;

    // Any change to the sizes or inscriptions made by assigning the tables
    // directly must call this, so that a store loaded from a damaged file is
    // saved again once the user has changed something.
    void markDirty() { dirty_ = true; }
    bool isDirty() const { return dirty_; }
    // Set by the data-file reader: the file was damaged and the store holds
    // only what could be read. Such a store is not written back unless dirty.
    void setLoadedDamaged(bool on) { loadedDamaged_ = on; }
    bool loadedDamaged() const { return loadedDamaged_; }
    bool mayWriteDataFile() const { return RegSizeCount != 0 && (!loadedDamaged_ || dirty_); }

    // --- the current page and job ---
    int LoopPos = 0;
    int StyleLoop = 0;
    int TemplateIndex = 0;
    int PaperWidth = 0;
    int PaperHeight = 0;
    int LayoutWidth = 0;
    int PrOffsetX = 0;
    int PrOffsetY = 0;
    int EditMode = 0;    // 0 print directly, 1 open the preview editor
    int PendingOpen = 0; // 0 none, 1 inscription file, 2 name file
    QString CurSizeTemplate;
    QString CurSizeName;
    int PaperChangeAsked = 0;
    QString MeasureFontName; // empty until the first print, edit or editor run
    QString OsType;          // "98/Me" or "NT/XP"

    // --- program-wide settings ---
    uint32_t UsuzumiColor = 0; // red in the lowest byte
    QString WizardFontName;
    QString CoNameA, CoNameB;
    bool CoPrintSetA = true, CoPrintSetB = true;
    QString FileParth;
    QString PrinterName;
    QString DataFileHeader;

    // Back to the empty state of a fresh start (tests, a new run).
    void clear() { *this = LiveStore(); }

private:
    bool dirty_ = false;
    bool loadedDamaged_ = false;
};

// The program-wide store.
LiveStore& store();

} // namespace app
