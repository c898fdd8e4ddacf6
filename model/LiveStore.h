// The program-wide state every window shares: registered paper sizes with
// their calibration offsets, registered inscriptions, the current page and
// job, and a few program-wide settings. Plain data without widgets, so the
// dispatcher, the layout and the configuration windows reach it directly.
//
// The two registered tables change only through the operations below: they
// stay within their capacity, hold only text the data file can store, and
// mark the store changed so that the exit writes it back.
#pragma once

#include "model/NameStyle.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace app {

inline const QString FreeSizeTemplateKey = QStringLiteral("短冊（フリー）");

struct RegisteredSize {
    std::array<QString, NameStyleCount> RegSizeTemplate; // template key per name style
    std::array<QString, NameStyleCount> RegSizeName;     // the user's name per name style
    std::array<int, NameStyleCount> RegOffsetX{};        // 4-point blank lines
    std::array<int, NameStyleCount> RegOffsetOmote{};    // 10-point blanks
    std::array<int, NameStyleCount> RegOffsetName{};
    int RegSizeWidth = 0;  // mm; 0: the template's size applies
    int RegSizeHeight = 0;

    // A new size: the key and name in every style, all offsets 0.
    static RegisteredSize make(const QString& templateKey, const QString& name, int width, int height);
    bool operator==(const RegisteredSize&) const = default;
};

// What an operation did: ok, or refused with the message for the user.
struct StoreResult {
    bool ok = true;
    QString message;
    explicit operator bool() const { return ok; }
    static StoreResult refused(const QString& why) { return {false, why}; }
};

class LiveStore {
public:
    static constexpr int RegSizeCapacity = 101;
    static constexpr int OmoteCapacity = 201;

    // --- registered sizes: rows 0..RegSizeCount()-1 are valid ---
    int RegSizeCount() const { return regSizeCount_; }
    // A valid row; an empty size outside them.
    const RegisteredSize& size(int row) const;
    // RegSizeName(row, style) of every row, in row order.
    QStringList sizeNames(int style = 0) const;
    // First row whose style-`style` name, trimmed of blanks at both ends,
    // equals the trimmed `name`; RegSizeCount() when none.
    int findSize(const QString& name, int style) const;
    // First row whose style-`style` name equals `name` character for
    // character; -1 when none.
    int findSizeExact(const QString& name, int style = 0) const;

    // Appends a row; refused when the table is full or a text cannot be stored.
    StoreResult addSize(const RegisteredSize& size);
    // Later rows move up by one.
    StoreResult deleteSize(int row);
    // The name in every style, the width and the height; key and offsets stay.
    StoreResult updateSize(int row, const QString& name, int width, int height);
    // The three calibration offsets of one row and name style.
    StoreResult setOffsets(int row, int style, int offsetX, int offsetOmote, int offsetName);

    // --- registered inscriptions: 0..OmoteCount()-1, in registration order ---
    int OmoteCount() const { return omoteCount_; }
    const QString& omote(int index) const;
    QStringList OmoteList() const;
    StoreResult addOmote(const QString& text);
    // Later entries move up by one.
    StoreResult deleteOmote(int index);

    // The data-file reader's way in: replaces both tables with what was read,
    // cut to the capacities, without marking the store changed.
    void restoreTables(const QList<RegisteredSize>& sizes, const QStringList& omotes);

    // Refusal for text the data file cannot hold (a character outside code
    // page 932, named in the message, or a line break); ok otherwise.
    static StoreResult checkStorable(const QString& text, const QString& what);

    bool isDirty() const { return dirty_; }
    // Set by the data-file reader: the file was damaged and the store holds
    // only what could be read. Such a store is not written back unless dirty.
    void setLoadedDamaged(bool on) { loadedDamaged_ = on; }
    bool loadedDamaged() const { return loadedDamaged_; }
    bool mayWriteDataFile() const { return regSizeCount_ != 0 && (!loadedDamaged_ || dirty_); }

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
    bool validRow(int row) const { return row >= 0 && row < regSizeCount_; }

    std::array<RegisteredSize, RegSizeCapacity> sizes_;
    int regSizeCount_ = 0;
    std::array<QString, OmoteCapacity> omotes_;
    int omoteCount_ = 0;
    bool dirty_ = false;
    bool loadedDamaged_ = false;
};

// The store of the installed program context (model/ProgramContext.h).
LiveStore& store();

// The current size's template key in the current name style; empty when
// LoopPos or StyleLoop point at no registered size.
QString currentTemplateKey();

} // namespace app
