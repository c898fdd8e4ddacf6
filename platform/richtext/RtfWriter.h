// The RTF writer behind rt::writeRtf: one pass over the document, format
// changes written as differences from the format in force, so that a
// paragraph mark's format is simply the format in force at its \par.
#pragma once

#include "platform/richtext/RichDocument.h"

#include <QByteArray>
#include <QHash>
#include <QVector>

namespace rt {

class RtfWriter {
public:
    explicit RtfWriter(const RichDocument& doc);
    QByteArray write();

private:
    struct State {
        int font = 0;
        int halfPoints = 24;
        bool bold = false, italic = false, underline = false, strike = false;
        int color = 0;
        int offsetHalf = 0;
    };

    void collectTables();
    void writeHeader();
    void writeFontName(const QString& name);
    void writeFormat(const CharFormat& f);
    void writeText(const QString& text, bool inFontTable = false);
    void writeUnicode(char16_t c, const QByteArray& fallback);
    void writeObject(const EmbeddedObject& obj);
    void writePicture(const EmbeddedObject& pic, bool asResult);
    void word(const char* w);
    void word(const char* w, qint64 param);
    void literal(char c);

    const RichDocument& doc_;
    QByteArray out_;
    QVector<QString> fonts_;
    QHash<QString, int> fontIndex_;
    QVector<Color> colors_;
    QHash<Color, int> colorIndex_;
    State state_;
    int uc_ = 1;
    bool needDelimiter_ = false;
};

} // namespace rt
