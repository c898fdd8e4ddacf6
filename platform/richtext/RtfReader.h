// The RTF parser behind rt::readRtf. One pass over the bytes with an
// explicit group stack (no recursion), so nesting is capped, not the
// machine's stack.
#pragma once

#include "platform/richtext/Rtf.h"
#include "platform/richtext/RtfCodepage.h"
#include "platform/richtext/RtfPicture.h"

#include <QHash>
#include <QVector>
#include <optional>

namespace rt {

// An \object group being read. Declared outside the reader so that it is
// complete where std::optional asks whether it can be built by default
// (clang decides that inside the class, before its member initialisers).
struct RtfObjectCapture {
    QString objectClass;
    QByteArray data;
    int objw = 0, objh = 0, scalex = 100, scaley = 100;
    std::shared_ptr<EmbeddedObject> result;
};

class RtfReader {
public:
    static constexpr int kMaxDepth = 512;
    static constexpr qsizetype kMaxInput = qsizetype(512) * 1024 * 1024;

    explicit RtfReader(const QByteArray& rtf);
    bool read(RichDocument& doc, RtfInfo& info, QString& error);

private:
    enum class Dest { Body, FontTable, ColorTable, Skip, Pict, Object, ObjClass, ObjData, Result };

    struct State {
        Dest dest = Dest::Body;
        int font = -1; // -1: the document's default font
        int halfPoints = 24;
        bool bold = false, italic = false, underline = false, strike = false;
        int color = 0;
        int offsetHalf = 0;
        int uc = 1;
    };
    struct FontEntry {
        QString name;
        int charset = -1;
    };
    using ObjectCapture = RtfObjectCapture;

    bool fail(const QString& message);
    void parseControl();
    void handleWord(const QByteArray& word, bool hasParam, int param);
    void handleSymbol(char c);
    bool handleDestination(const QByteArray& word);
    void handleCharacterWord(const QByteArray& word, bool hasParam, int param);
    void beginGroup();
    void endGroup();
    void addByte(uchar b);
    void addUnicode(char16_t c);
    bool skipping() const { return ucSkip_ > 0 || skipTrail_; }
    void skipFallback(uchar b, bool isByte);
    void readBinary(int length);
    void flushBytes();
    void appendText(const QString& s);
    void addHexDigit(uchar b, QByteArray& to);
    void endParagraph();
    void insertObject(std::shared_ptr<EmbeddedObject> obj);
    void finishPicture();
    void finishObject();
    void commitFont();
    CharFormat currentFormat() const;
    rtfcp::CodePage codePage() const;

    const QByteArray& in_;
    qsizetype pos_ = 0;
    QString error_;

    State cur_;
    QVector<State> stack_;
    bool starPending_ = false;
    bool finished_ = false;

    // \uN fallback being skipped
    int ucSkip_ = 0;
    bool skipTrail_ = false;

    QByteArray pendingBytes_;
    QByteArray objClassBytes_;

    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;
    QHash<int, FontEntry> fonts_;
    int fontNumber_ = -1;
    FontEntry fontEntry_;
    QByteArray fontNameBytes_;
    QVector<Color> colors_;
    bool colorEntrySet_ = false;
    int red_ = 0, green_ = 0, blue_ = 0;

    rtfpict::PictureData pict_;
    bool hexHigh_ = true;
    uchar hexByte_ = 0;
    std::optional<ObjectCapture> object_;

    QVector<Paragraph> paragraphs_;
    Paragraph para_;
    bool sawPar_ = false;
    CharFormat endFormat_;
    qsizetype pendingStart_ = 0;
    RtfInfo info_;
};

} // namespace rt
