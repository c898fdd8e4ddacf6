// A printer that prints nothing and logs every call with its figures: the
// geometry tests read where each box would have been drawn. Its device is
// configurable (resolution, margins, papers it refuses).
#pragma once

#include "platform/print/PrinterBackend.h"

#include <QSet>
#include <QStringList>
#include <vector>

namespace prn {

class RecordingBackend : public PrinterBackend {
public:
    struct Call {
        QString op;     // "paper", "userPaper", "orientation", "startDoc", "newPage", "endDoc", "box", "release"
        QString box;    // the box's objectName for "box" and "release"
        int a = 0;      // paper code, orientation, or user width
        int b = 0;      // user height
        TwipRect rc;       // "box": band rectangle in twips
        TwipRect page;     // "box": page rectangle in twips
    };

    struct Device {
        QString name = QStringLiteral("Recorder");
        int dpi = 600;
        QPoint marginPx{0, 0};     // printable area's offset; the same margin right and bottom
        QSet<int> refusedCodes;    // paper codes the device refuses
        bool refuseUserPaper = false;
        bool failStart = false;    // the job cannot be opened
        int bin = 0;               // the paper source (DMBIN number)
        int initialCode = 9;       // the paper the device starts with, upright
        QSizeF initialMm{210, 297};
    };

    RecordingBackend();
    explicit RecordingBackend(Device device);

    const std::vector<Call>& calls() const { return calls_; }
    // The calls as text, one a line: "paper 9", "box omote 10,20,30,40 page 0,0,30,40" ...
    QStringList log() const;
    void clearCalls() { calls_.clear(); }
    std::vector<Call> boxes() const; // only the "box" calls
    int count(const QString& op) const;

    QString deviceName() const override { return device_.name; }
    QString port() const override { return QStringLiteral("REC:"); }
    bool setPaperCode(int code) override;
    bool setUserPaper(int widthTwips, int heightTwips) override;
    int paperCode() const override { return code_; }
    int paperBin() const override { return device_.bin; }
    bool setOrientation(int orientation) override;
    int orientation() const override { return orientation_; }
    int dpiX() const override { return device_.dpi; }
    int dpiY() const override { return device_.dpi; }
    QSize physicalSizePx() const override;
    QSize printableSizePx() const override;
    QPoint physicalOffsetPx() const override { return device_.marginPx; }
    bool startDoc() override;
    void newPage() override;
    void endDoc() override;
    QString errorText() const override;
    void drawBox(const rt::RichTextBox& box, const TwipRect& rc, const TwipRect& page) override;
    void releaseBox(const rt::RichTextBox& box) override;

private:
    void record(const QString& op, const QString& box = {}, int a = 0, int b = 0);

    Device device_;
    std::vector<Call> calls_;
    int code_ = 9;
    QSizeF uprightMm_{210, 297};
    int orientation_ = 1;
};

} // namespace prn
