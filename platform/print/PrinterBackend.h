// The device under the printer object: one printer (or PDF file) with its
// paper, orientation, resolution and margins, and the job operations. The Qt
// backend drives real printers; the recording backend logs every call for
// geometry tests.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace rt {
class RichTextBox;
}

namespace prn {

// A rectangle in twips by its edges, as the band and page rectangles are given.
struct TwipRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const TwipRect&) const = default;
};

class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;

    virtual QString deviceName() const = 0;
    virtual QString port() const = 0;

    // Paper: a standard code (see PaperCodes.h), or a user size in twips
    // given upright (width the short side as the sheet is fed). Returns
    // false when the device refuses it; the paper then stays as it was.
    virtual bool setPaperCode(int code) = 0;
    virtual bool setUserPaper(int widthTwips, int heightTwips) = 0;
    virtual int paperCode() const = 0;
    virtual bool setOrientation(int orientation) = 0; // 1 portrait, 2 landscape
    virtual int orientation() const = 0;
    virtual int paperBin() const { return 0; }

    // Device geometry of the current paper in the current orientation, in
    // device pixels: the physical page, the printable area's size and the
    // printable area's offset from the page's top-left corner.
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    virtual QSize physicalSizePx() const = 0;
    virtual QSize printableSizePx() const = 0;
    virtual QPoint physicalOffsetPx() const = 0;

    // The job. startDoc opens it with its first page; newPage opens the next.
    // A false startDoc leaves no job open; errorText() tells why, and after
    // endDoc why the print system did not take the job.
    virtual bool startDoc() = 0;
    virtual void newPage() = 0;
    virtual void endDoc() = 0;
    virtual QString errorText() const { return {}; }

    // Draws the whole box with the top-left corner of its picture at the
    // rectangle's top-left, clipped to the rectangle. Both rectangles are in
    // twips relative to the printable area's top-left corner.
    virtual void drawBox(const rt::RichTextBox& box, const TwipRect& rc, const TwipRect& page) = 0;
    // Forgets what was cached for the box while it was drawn.
    virtual void releaseBox(const rt::RichTextBox& box) { (void)box; }
};

} // namespace prn
