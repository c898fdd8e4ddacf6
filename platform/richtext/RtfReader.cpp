#include "platform/richtext/RtfReader.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace rt {

namespace {

bool isAlpha(uchar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(uchar c)
{
    return c >= '0' && c <= '9';
}

int hexValue(uchar c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Destinations whose content is not part of the text. Everything after \*
// that is not known is skipped as well.
constexpr std::array<std::string_view, 61> kSkippedDestinations{
    "stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer", "footerl",
    "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor", "listtable",
    "listoverridetable", "revtbl", "rsidtbl", "filetbl", "pgdsctbl", "xmlnstbl", "themedata",
    "colorschememapping", "datastore", "latentstyles", "author", "operator", "title", "subject",
    "keywords", "comment", "doccomm", "creatim", "revtim", "printim", "buptim", "company",
    "category", "manager", "hlinkbase", "private", "txe", "xe", "tc", "bkmkstart", "bkmkend",
    "fldinst", "nonshppict", "objname", "objalias", "pntext", "pntxta", "pntxtb", "listtext",
    "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "template",
};

bool isSkippedDestination(const QByteArray& word)
{
    const std::string_view w(word.constData(), size_t(word.size()));
    return std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), w)
        != kSkippedDestinations.end();
}

rtfpict::Format pictureFormat(const QByteArray& word)
{
    using F = rtfpict::Format;
    static const std::array<std::pair<std::string_view, F>, 8> table{{
        {"pngblip", F::Png}, {"jpegblip", F::Jpeg}, {"dibitmap", F::Dib}, {"wbitmap", F::WindowsBitmap},
        {"wmetafile", F::WindowsMetafile}, {"emfblip", F::Emf}, {"macpict", F::Other}, {"pmmetafile", F::Other},
    }};
    const std::string_view w(word.constData(), size_t(word.size()));
    for (const auto& [name, format] : table)
        if (name == w)
            return format;
    return F::None;
}

char16_t symbolCharacter(const QByteArray& word)
{
    static const std::array<std::pair<std::string_view, char16_t>, 13> table{{
        {"emdash", 0x2014}, {"endash", 0x2013}, {"emspace", 0x2003}, {"enspace", 0x2002},
        {"qmspace", 0x2005}, {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D}, {"zwnj", 0x200C},
        {"zwbo", 0x200B},
    }};
    const std::string_view w(word.constData(), size_t(word.size()));
    for (const auto& [name, c] : table)
        if (name == w)
            return c;
    return 0;
}

bool toggleValue(bool hasParam, int param)
{
    return !hasParam || param != 0;
}

} // namespace

RtfReader::RtfReader(const QByteArray& rtf) : in_(rtf) {}

bool RtfReader::fail(const QString& message)
{
    if (error_.isEmpty())
        error_ = message;
    return false;
}

bool RtfReader::read(RichDocument& doc, RtfInfo& info, QString& error)
{
    const qsizetype n = in_.size();
    if (n > kMaxInput) {
        error = QStringLiteral("RTF ファイルが大きすぎます（%1 MB を超えています）。").arg(kMaxInput >> 20);
        return false;
    }
    while (pos_ < n && (in_[pos_] == ' ' || in_[pos_] == '\t' || in_[pos_] == '\r' || in_[pos_] == '\n'))
        ++pos_;
    if (!QByteArrayView(in_).sliced(pos_).startsWith("{\\rtf")) {
        error = QStringLiteral("RTF ファイルではありません（先頭が「{\\rtf」ではありません）。");
        return false;
    }
    while (pos_ < n && !finished_ && error_.isEmpty()) {
        const uchar c = uchar(in_[pos_]);
        switch (c) {
        case '{':
            ++pos_;
            beginGroup();
            break;
        case '}':
            ++pos_;
            if (stack_.size() <= 1) {
                flushBytes();
                endFormat_ = currentFormat();
                finished_ = true;
            } else {
                endGroup();
            }
            break;
        case '\\':
            parseControl();
            break;
        case '\r':
        case '\n':
            ++pos_;
            break;
        default:
            ++pos_;
            if (skipping())
                skipFallback(c, true);
            else
                addByte(c);
        }
    }
    if (error_.isEmpty() && !finished_)
        fail(QStringLiteral("RTF ファイルが途中で切れています（閉じられていないグループがあります）。"));
    if (!error_.isEmpty()) {
        error = error_;
        return false;
    }
    if (!para_.items.isEmpty() || !sawPar_) {
        para_.mark = endFormat_;
        paragraphs_.append(para_);
    }
    doc.paragraphs = std::move(paragraphs_);
    info = info_;
    return true;
}

void RtfReader::parseControl()
{
    const qsizetype n = in_.size();
    ++pos_;
    if (pos_ >= n) {
        fail(QStringLiteral("RTF ファイルが途中で切れています（最後の「\\」の後に何もありません）。"));
        return;
    }
    const uchar c = uchar(in_[pos_]);
    if (isAlpha(c)) {
        const qsizetype start = pos_;
        while (pos_ < n && isAlpha(uchar(in_[pos_])))
            ++pos_;
        const QByteArray word = in_.mid(start, std::min<qsizetype>(pos_ - start, 32));
        bool negative = false;
        if (pos_ + 1 < n && in_[pos_] == '-' && isDigit(uchar(in_[pos_ + 1]))) {
            negative = true;
            ++pos_;
        }
        qint64 value = 0;
        int digits = 0;
        while (pos_ < n && isDigit(uchar(in_[pos_]))) {
            if (digits++ < 11)
                value = value * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (negative)
            value = -value;
        value = std::clamp<qint64>(value, INT_MIN, INT_MAX);
        if (pos_ < n && in_[pos_] == ' ')
            ++pos_;
        if (word == "bin") {
            if (skipping())
                skipFallback(0, false);
            readBinary(digits ? int(value) : 0);
            return;
        }
        if (skipping()) {
            skipFallback(0, false);
            return;
        }
        flushBytes();
        handleWord(word, digits > 0, int(value));
        return;
    }
    ++pos_;
    if (c == '\'') {
        if (pos_ + 2 > n) {
            fail(QStringLiteral("RTF ファイルが途中で切れています（「\\'」の後に16進数2桁がありません）。"));
            return;
        }
        const int hi = hexValue(uchar(in_[pos_])), lo = hexValue(uchar(in_[pos_ + 1]));
        if (hi < 0 || lo < 0) {
            fail(QStringLiteral("RTF ファイルが壊れています: %1バイト目の「\\'」の後が16進数2桁ではありません。")
                     .arg(pos_ - 1));
            return;
        }
        pos_ += 2;
        const uchar b = uchar(hi << 4 | lo);
        if (skipping())
            skipFallback(b, true);
        else
            addByte(b);
        return;
    }
    if (c == '\\' || c == '{' || c == '}') {
        if (skipping())
            skipFallback(c, true);
        else
            addByte(c);
        return;
    }
    if (skipping()) {
        skipFallback(0, false);
        return;
    }
    flushBytes();
    handleSymbol(char(c));
}

void RtfReader::handleSymbol(char c)
{
    switch (c) {
    case '*':
        starPending_ = true;
        break;
    case '~':
        addUnicode(0x00A0);
        break;
    case '_':
        addUnicode(0x2011);
        break;
    case '\r':
    case '\n':
        endParagraph();
        break;
    default: // \- optional hyphen, \: index entries, \| formulas: nothing to show
        break;
    }
}

void RtfReader::readBinary(int length)
{
    length = std::max(length, 0);
    if (pos_ + length > in_.size()) {
        fail(QStringLiteral("RTF ファイルが途中で切れています（「\\bin」のデータが足りません）。"));
        return;
    }
    if (cur_.dest == Dest::Pict)
        pict_.data.append(in_.constData() + pos_, length);
    else if (cur_.dest == Dest::ObjData && object_)
        object_->data.append(in_.constData() + pos_, length);
    pos_ += length;
}

void RtfReader::beginGroup()
{
    flushBytes();
    if (stack_.size() >= kMaxDepth) {
        fail(QStringLiteral("RTF ファイルのグループの入れ子が深すぎます（%1段を超えています）。").arg(kMaxDepth));
        return;
    }
    stack_.append(cur_);
    ucSkip_ = 0;
    skipTrail_ = false;
    starPending_ = false;
    // Groups inside data destinations carry properties of the data, not data.
    if (cur_.dest == Dest::Pict || cur_.dest == Dest::ObjData || cur_.dest == Dest::ObjClass
        || cur_.dest == Dest::ColorTable)
        cur_.dest = Dest::Skip;
}

void RtfReader::endGroup()
{
    flushBytes();
    const State closing = cur_;
    cur_ = stack_.takeLast();
    ucSkip_ = 0;
    skipTrail_ = false;
    starPending_ = false;
    switch (closing.dest) {
    case Dest::FontTable:
        commitFont();
        break;
    case Dest::Pict:
        if (cur_.dest != Dest::Pict)
            finishPicture();
        break;
    case Dest::Object:
        if (cur_.dest != Dest::Object)
            finishObject();
        break;
    case Dest::ObjClass:
        if (cur_.dest != Dest::ObjClass && object_) {
            object_->objectClass = QString::fromLatin1(objClassBytes_).trimmed();
            objClassBytes_.clear();
        }
        break;
    default:
        break;
    }
}

bool RtfReader::handleDestination(const QByteArray& word)
{
    if (stack_.size() < 2) // the document's own group is never a destination
        return false;
    const Dest d = cur_.dest;
    if (word == "fonttbl") {
        cur_.dest = d == Dest::Body ? Dest::FontTable : Dest::Skip;
    } else if (word == "colortbl") {
        cur_.dest = d == Dest::Body ? Dest::ColorTable : Dest::Skip;
        if (d == Dest::Body) {
            colors_.clear();
            colorEntrySet_ = false;
        }
    } else if (word == "pict") {
        if (d == Dest::Body || d == Dest::Result) {
            cur_.dest = Dest::Pict;
            pict_ = {};
            hexHigh_ = true;
        } else {
            cur_.dest = Dest::Skip;
        }
    } else if (word == "object") {
        if (d == Dest::Body) {
            cur_.dest = Dest::Object;
            object_.emplace();
        } else {
            cur_.dest = Dest::Skip;
        }
    } else if (word == "objclass" || word == "objdata") {
        if (d == Dest::Object && object_) {
            cur_.dest = word == "objclass" ? Dest::ObjClass : Dest::ObjData;
            hexHigh_ = true;
        } else {
            cur_.dest = Dest::Skip;
        }
    } else if (word == "result") {
        if (d == Dest::Object)
            cur_.dest = Dest::Result;
    } else if (word == "shppict" || word == "fldrslt" || word == "shprslt" || word == "upr"
               || word == "ud") {
        // What a reader without shapes or fields shows, and the font table in
        // both its code-page (\upr) and Unicode (\ud) forms: keep it.
    } else if (isSkippedDestination(word)) {
        cur_.dest = Dest::Skip;
    } else {
        return false;
    }
    return true;
}

void RtfReader::handleWord(const QByteArray& word, bool hasParam, int param)
{
    const bool star = starPending_;
    starPending_ = false;
    if (cur_.dest == Dest::Skip)
        return;
    if (handleDestination(word))
        return;
    if (star && stack_.size() >= 2) {
        cur_.dest = Dest::Skip;
        return;
    }
    if (word == "u") {
        addUnicode(char16_t(param & 0xFFFF)); // negative values wrap as 16-bit
        ucSkip_ = cur_.uc;
        skipTrail_ = false;
        return;
    }
    if (word == "uc") {
        cur_.uc = std::clamp(hasParam ? param : 1, 0, 32);
        return;
    }
    switch (cur_.dest) {
    case Dest::FontTable:
        if (word == "f") {
            commitFont();
            fontNumber_ = param;
        } else if (word == "fcharset") {
            fontEntry_.charset = param;
        }
        return;
    case Dest::ColorTable:
        if (word == "red" || word == "green" || word == "blue") {
            (word == "red" ? red_ : word == "green" ? green_ : blue_) = std::clamp(param, 0, 255);
            colorEntrySet_ = true;
        }
        return;
    case Dest::Pict: {
        const rtfpict::Format f = pictureFormat(word);
        if (f != rtfpict::Format::None) {
            pict_.format = f;
            pict_.formatWord = hasParam ? word + QByteArray::number(param) : word;
        } else if (word == "picw") {
            pict_.picw = std::clamp(param, 0, 1 << 24);
        } else if (word == "pich") {
            pict_.pich = std::clamp(param, 0, 1 << 24);
        } else if (word == "picwgoal") {
            pict_.goalw = std::clamp(param, 0, 1 << 24);
        } else if (word == "pichgoal") {
            pict_.goalh = std::clamp(param, 0, 1 << 24);
        } else if (word == "picscalex") {
            pict_.scalex = std::clamp(param, 0, 100000);
        } else if (word == "picscaley") {
            pict_.scaley = std::clamp(param, 0, 100000);
        }
        return;
    }
    case Dest::Object:
        if (object_) {
            if (word == "objw")
                object_->objw = std::clamp(param, 0, 1 << 24);
            else if (word == "objh")
                object_->objh = std::clamp(param, 0, 1 << 24);
            else if (word == "objscalex")
                object_->scalex = std::clamp(param, 0, 100000);
            else if (word == "objscaley")
                object_->scaley = std::clamp(param, 0, 100000);
        }
        return;
    default:
        break;
    }
    if (word == "ansicpg")
        ansiCodePage_ = param;
    else if (word == "deff")
        defaultFont_ = param;
    else if (word == "vertdoc")
        info_.vertical = true;
    else if (word == "horzdoc")
        info_.vertical = false;
    else if (word == "stextflow")
        info_.vertical = param == 1 || param == 3;
    else if (word == "par" || word == "line" || word == "sect" || word == "page" || word == "row")
        endParagraph();
    else if (word == "tab" || word == "cell")
        addUnicode(u'\t');
    else if (const char16_t c = symbolCharacter(word))
        addUnicode(c);
    else
        handleCharacterWord(word, hasParam, param);
}

void RtfReader::handleCharacterWord(const QByteArray& word, bool hasParam, int param)
{
    State& s = cur_;
    if (word == "plain") {
        const int uc = s.uc;
        const Dest dest = s.dest;
        s = State{};
        s.uc = uc;
        s.dest = dest;
    } else if (word == "f") {
        s.font = param;
    } else if (word == "fs") {
        s.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : 24;
    } else if (word == "b") {
        s.bold = toggleValue(hasParam, param);
    } else if (word == "i") {
        s.italic = toggleValue(hasParam, param);
    } else if (word == "strike" || word == "striked") {
        s.strike = toggleValue(hasParam, param);
    } else if (word == "ulnone") {
        s.underline = false;
    } else if (word.startsWith("ul") && word != "ulc") {
        s.underline = toggleValue(hasParam, param); // \ul, \uld, \uldb, \ulw, \ulwave ...
    } else if (word == "cf") {
        s.color = param;
    } else if (word == "up") {
        s.offsetHalf = std::clamp(hasParam ? param : 6, -3276, 3276);
    } else if (word == "dn") {
        s.offsetHalf = -std::clamp(hasParam ? param : 6, -3276, 3276);
    }
}

void RtfReader::skipFallback(uchar b, bool isByte)
{
    // A double-byte fallback is one character to a writer that counted
    // characters (\uc1) and two to one that counted bytes (\uc2): a lead byte
    // always takes its trail byte with it.
    const bool wasLead = skipTrail_;
    skipTrail_ = !wasLead && isByte && codePage() == rtfcp::CodePage::Cp932 && rtfcp::isLeadByte(b);
    if (ucSkip_ > 0)
        --ucSkip_;
}

rtfcp::CodePage RtfReader::codePage() const
{
    const int font = cur_.font >= 0 ? cur_.font : defaultFont_;
    const auto it = fonts_.constFind(font);
    return rtfcp::forCharset(it == fonts_.constEnd() ? -1 : it->charset, ansiCodePage_);
}

void RtfReader::addByte(uchar b)
{
    switch (cur_.dest) {
    case Dest::Body:
        if (b < 0x20 && b != '\t')
            return; // control bytes are not text; line ends were dropped already
        if (pendingBytes_.isEmpty())
            pendingStart_ = pos_;
        pendingBytes_.append(char(b));
        break;
    case Dest::FontTable:
        if (b == ';')
            commitFont();
        else if (fontNumber_ >= 0)
            fontNameBytes_.append(char(b));
        break;
    case Dest::ColorTable:
        if (b == ';') {
            colors_.append(colorEntrySet_ ? Color(red_ | green_ << 8 | blue_ << 16) : Color(0));
            colorEntrySet_ = false;
            red_ = green_ = blue_ = 0;
        }
        break;
    case Dest::Pict:
        addHexDigit(b, pict_.data);
        break;
    case Dest::ObjData:
        if (object_)
            addHexDigit(b, object_->data);
        break;
    case Dest::ObjClass:
        if (objClassBytes_.size() < 256)
            objClassBytes_.append(char(b));
        break;
    default:
        break;
    }
}

void RtfReader::addHexDigit(uchar b, QByteArray& to)
{
    const int v = hexValue(b);
    if (v < 0)
        return; // line breaks and blanks between the digits
    if (hexHigh_) {
        hexByte_ = uchar(v << 4);
    } else {
        to.append(char(hexByte_ | v));
    }
    hexHigh_ = !hexHigh_;
}

void RtfReader::addUnicode(char16_t c)
{
    if (cur_.dest == Dest::Body) {
        flushBytes();
        if (c >= 0x20 || c == u'\t')
            appendText(QString(QChar(c)));
    } else if (cur_.dest == Dest::FontTable && fontNumber_ >= 0) {
        flushBytes();
        fontEntry_.name.append(QChar(c));
    }
}

void RtfReader::flushBytes()
{
    if (cur_.dest == Dest::FontTable && !fontNameBytes_.isEmpty()) {
        QString name;
        const auto cp = rtfcp::forCharset(fontEntry_.charset, ansiCodePage_);
        if (!rtfcp::decode(fontNameBytes_, cp, name, nullptr)) {
            name.clear();
            rtfcp::decode(fontNameBytes_, rtfcp::CodePage::Cp1252, name, nullptr);
        }
        fontEntry_.name += name;
        fontNameBytes_.clear();
    }
    if (pendingBytes_.isEmpty())
        return;
    QString text;
    qsizetype bad = 0;
    if (!rtfcp::decode(pendingBytes_, codePage(), text, &bad)) {
        fail(QStringLiteral("RTF ファイルに文字として読めないバイトがあります（%1バイト目付近、値 %2）。")
                 .arg(pendingStart_ + bad)
                 .arg(uchar(pendingBytes_[bad]), 2, 16, QChar(u'0')));
        pendingBytes_.clear();
        return;
    }
    pendingBytes_.clear();
    appendText(text);
}

CharFormat RtfReader::currentFormat() const
{
    CharFormat f;
    const int font = cur_.font >= 0 ? cur_.font : defaultFont_;
    const auto it = fonts_.constFind(font);
    if (it != fonts_.constEnd() && !it->name.isEmpty())
        f.fontName = it->name;
    f.size = cur_.halfPoints / 2.0;
    f.bold = cur_.bold;
    f.italic = cur_.italic;
    f.underline = cur_.underline;
    f.strike = cur_.strike;
    f.color = cur_.color > 0 && cur_.color < colors_.size() ? colors_[cur_.color] : 0;
    f.offset = cur_.offsetHalf / 2.0;
    return f;
}

void RtfReader::appendText(const QString& s)
{
    if (s.isEmpty())
        return;
    const CharFormat f = currentFormat();
    if (!para_.items.isEmpty() && !para_.items.last().isObject() && para_.items.last().format == f) {
        para_.items.last().text += s;
        return;
    }
    Inline item;
    item.text = s;
    item.format = f;
    para_.items.append(std::move(item));
}

void RtfReader::endParagraph()
{
    if (cur_.dest != Dest::Body)
        return;
    para_.mark = currentFormat();
    paragraphs_.append(std::move(para_));
    para_ = Paragraph{};
    sawPar_ = true;
}

void RtfReader::insertObject(std::shared_ptr<EmbeddedObject> obj)
{
    Inline item;
    item.format = currentFormat();
    item.object = std::move(obj);
    para_.items.append(std::move(item));
}

void RtfReader::commitFont()
{
    if (fontNumber_ < 0)
        return;
    flushBytes();
    FontEntry e = fontEntry_;
    e.name = e.name.trimmed();
    fonts_.insert(fontNumber_, e);
    fontNumber_ = -1;
    fontEntry_ = FontEntry{};
}

void RtfReader::finishPicture()
{
    auto obj = std::make_shared<EmbeddedObject>();
    obj->kind = EmbeddedObject::Kind::Picture;
    obj->png = rtfpict::toPng(pict_);
    obj->sizeMm = rtfpict::sizeMm(pict_, rtfpict::pngPixelSize(obj->png));
    if (obj->png.isEmpty()) {
        // Drawn as a framed box; the original data is kept to be written back.
        obj->metafilePlaceholder = true;
        obj->objectClass = QString::fromLatin1(pict_.formatWord);
        obj->objectData = pict_.data;
    }
    pict_ = {};
    if (cur_.dest == Dest::Result) {
        if (object_ && !object_->result)
            object_->result = std::move(obj);
    } else if (cur_.dest == Dest::Body) {
        insertObject(std::move(obj));
    }
}

void RtfReader::finishObject()
{
    if (!object_)
        return;
    auto obj = std::make_shared<EmbeddedObject>();
    obj->kind = EmbeddedObject::Kind::Object;
    obj->objectClass = object_->objectClass;
    obj->objectData = object_->data;
    if (object_->result) {
        obj->png = object_->result->png;
        obj->sizeMm = object_->result->sizeMm;
        obj->metafilePlaceholder = object_->result->metafilePlaceholder;
    } else {
        const int sx = object_->scalex > 0 ? object_->scalex : 100;
        const int sy = object_->scaley > 0 ? object_->scaley : 100;
        obj->sizeMm = QSizeF(object_->objw * sx / 100.0 / rtfpict::kTwipsPerMm,
                             object_->objh * sy / 100.0 / rtfpict::kTwipsPerMm);
    }
    object_.reset();
    if (cur_.dest == Dest::Body)
        insertObject(std::move(obj));
}

} // namespace rt
