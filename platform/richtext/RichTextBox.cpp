#include "platform/richtext/RichTextBox.h"

#include "platform/richtext/DocumentEdit.h"
#include "platform/richtext/TextLayout.h"

#include <cmath>

namespace rt {

namespace {

// Sizes the control refuses, as the classic control does: a refused value
// leaves the selection as it was.
constexpr double MaxFontSize = 1638.0;

QString formatText(const CharFormat& f)
{
    QString s = QStringLiteral("[%1 %2pt").arg(f.fontName).arg(f.size, 0, 'g', 6);
    if (f.bold)
        s += QStringLiteral(" bold");
    if (f.italic)
        s += QStringLiteral(" italic");
    if (f.underline)
        s += QStringLiteral(" underline");
    if (f.strike)
        s += QStringLiteral(" strike");
    if (f.color != 0)
        s += QStringLiteral(" color=&H") + QString::number(f.color, 16).toUpper().rightJustified(8, u'0');
    if (f.offset != 0)
        s += QStringLiteral(" offset=%1pt").arg(f.offset, 0, 'g', 6);
    return s + u']';
}

QString objectText(const EmbeddedObject& o)
{
    QString kind = o.kind == EmbeddedObject::Kind::Picture ? QStringLiteral("picture") : QStringLiteral("object");
    if (!o.objectClass.isEmpty())
        kind += u' ' + o.objectClass;
    if (o.document)
        kind += QStringLiteral(" document");
    if (o.metafilePlaceholder)
        kind += QStringLiteral(" metafile");
    return QStringLiteral("%1 %2x%3mm").arg(kind).arg(o.sizeMm.width(), 0, 'g', 6).arg(o.sizeMm.height(), 0, 'g', 6);
}

} // namespace

RichTextBox::RichTextBox(QObject* parent)
    : QObject(parent)
{
    doc_.clear(insertFmt_);
}

RichTextBox::~RichTextBox() = default;

void RichTextBox::beginEdit(EditHistory::Kind kind)
{
    if (editDepth_++ > 0)
        return;
    editKind_ = kind;
    editBefore_ = EditState{doc_, selStart_, selLength_};
    editChanged_ = false;
}

void RichTextBox::endEdit()
{
    if (editDepth_ == 0 || --editDepth_ > 0)
        return;
    if (!editChanged_)
        return;
    editChanged_ = false;
    if (recording_)
        history_.record(editBefore_, editKind_);
    editBefore_ = EditState{};
    emit contentsChange(changeFrom_, changeRemoved_, changeAdded_);
    emit changed();
}

void RichTextBox::touched(qsizetype from, qsizetype removed, qsizetype added)
{
    layout_.reset();
    // The paragraphs the change reached are laid out anew, the rest kept.
    paragraphLayouts_.replaced(index_.locate(doc_, from).paragraph, index_.locate(doc_, from + added, true).paragraph,
                               doc_.paragraphs.size());
    if (!editChanged_) {
        changeFrom_ = from;
        changeRemoved_ = removed;
        changeAdded_ = added;
        editChanged_ = true;
        return;
    }
    // Join with the changes before it in this step. The step so far turned
    // [f, f + r) of the old text into [f, f + a); this change works on that.
    const qsizetype f = changeFrom_, r = changeRemoved_, a = changeAdded_;
    const qsizetype start = std::min(f, from);
    const qsizetype endBetween = std::max(f + a, from + removed); // in the text between the two
    const qsizetype oldEnd = endBetween - (a - r);
    const qsizetype newEnd = endBetween + (added - removed);
    changeFrom_ = start;
    changeRemoved_ = oldEnd - start;
    changeAdded_ = newEnd - start;
}

void RichTextBox::setDocument(const RichDocument& doc)
{
    EditBlock step(*this);
    const qsizetype oldLength = doc_.length();
    doc_ = doc;
    doc_.normalize();
    index_.reset();
    selStart_ = 0;
    selLength_ = 0;
    insertFmt_ = edit::formatAt(doc_, 0, &index_);
    touchedWhole(oldLength);
}

void RichTextBox::reset()
{
    const RichTextBox fresh;
    {
        EditBlock step(*this);
        setDocument(fresh.doc_);
        insertFmt_ = fresh.insertFmt_;
    }
    setWidthMm(fresh.widthMm_);
    setHeightMm(fresh.heightMm_);
    setRightMarginMm(fresh.rightMarginMm_);
    setVertical(fresh.vertical_);
    clearUndo();
}

void RichTextBox::restore(const EditState& state)
{
    recording_ = false;
    {
        EditBlock step(*this);
        setDocument(state.document);
        setSelStart(state.selStart);
        setSelLength(state.selLength);
    }
    recording_ = true;
}

void RichTextBox::undo()
{
    if (editDepth_ > 0)
        return;
    if (const auto s = history_.undo(EditState{doc_, selStart_, selLength_}))
        restore(*s);
}

void RichTextBox::redo()
{
    if (editDepth_ > 0)
        return;
    if (const auto s = history_.redo(EditState{doc_, selStart_, selLength_}))
        restore(*s);
}

qsizetype RichTextBox::selStart() const { return selStart_; }
qsizetype RichTextBox::selLength() const { return selLength_; }

void RichTextBox::moveCaret(qsizetype pos, qsizetype len)
{
    const qsizetype total = index_.length(doc_);
    pos = std::clamp<qsizetype>(pos, 0, total);
    len = std::clamp<qsizetype>(len, 0, total - pos);
    // Moving the caret picks up the format of the text there; staying put
    // keeps a format chosen for the next insertion.
    const bool moved = pos != selStart_ || selLength_ != 0;
    const bool changed = pos != selStart_ || len != selLength_;
    selStart_ = pos;
    selLength_ = len;
    if (moved && len == 0)
        insertFmt_ = edit::formatAt(doc_, pos, &index_);
    if (changed)
        emit selectionMoved();
}

void RichTextBox::setSelStart(qsizetype pos) { moveCaret(pos, 0); }

void RichTextBox::setSelLength(qsizetype len)
{
    const qsizetype was = selLength_;
    selLength_ = std::clamp<qsizetype>(len, 0, index_.length(doc_) - selStart_);
    if (selLength_ != was)
        emit selectionMoved();
}

QString RichTextBox::selText() const
{
    return doc_.plainText().mid(selStart_, selLength_);
}

void RichTextBox::setSelText(const QString& text)
{
    EditBlock step(*this);
    const qsizetype from = selStart_, removed = selLength_;
    if (selLength_ > 0) {
        // Text typed over a selection takes the format of its first character.
        bool first = true;
        edit::visitFormats(doc_, selStart_, selStart_ + selLength_, [&](const CharFormat& f) {
            if (first)
                insertFmt_ = f;
            first = false;
        }, &index_);
        edit::removeRange(doc_, selStart_, selStart_ + selLength_, &index_);
    }
    selStart_ = edit::insertText(doc_, selStart_, text, insertFmt_, &index_);
    selLength_ = 0;
    touched(from, removed, selStart_ - from);
}

void RichTextBox::insertObject(std::shared_ptr<EmbeddedObject> obj)
{
    if (!obj)
        return;
    EditBlock step(*this);
    const qsizetype from = selStart_, removed = selLength_;
    if (selLength_ > 0)
        edit::removeRange(doc_, selStart_, selStart_ + selLength_, &index_);
    selStart_ = edit::insertObject(doc_, selStart_, std::move(obj), insertFmt_, &index_);
    selLength_ = 0;
    touched(from, removed, selStart_ - from);
}

template <typename T, typename Get>
std::optional<T> RichTextBox::common(Get get) const
{
    if (selLength_ == 0)
        return get(insertFmt_);
    std::optional<T> value;
    bool mixed = false;
    edit::visitFormats(doc_, selStart_, selStart_ + selLength_, [&](const CharFormat& f) {
        const T v = get(f);
        if (!value)
            value = v;
        else if (!(*value == v))
            mixed = true;
    }, &index_);
    if (mixed)
        return std::nullopt;
    return value ? value : std::optional<T>(get(insertFmt_));
}

template <typename Set>
void RichTextBox::applyToSelection(Set set)
{
    set(insertFmt_);
    if (selLength_ == 0)
        return;
    EditBlock step(*this);
    edit::applyFormat(doc_, selStart_, selStart_ + selLength_, set, &index_);
    touched(selStart_, selLength_, selLength_);
}

std::optional<QString> RichTextBox::selFontName() const
{
    return common<QString>([](const CharFormat& f) { return f.fontName; });
}
std::optional<double> RichTextBox::selFontSize() const
{
    return common<double>([](const CharFormat& f) { return f.size; });
}
std::optional<Color> RichTextBox::selColor() const
{
    return common<Color>([](const CharFormat& f) { return f.color; });
}
std::optional<bool> RichTextBox::selBold() const
{
    return common<bool>([](const CharFormat& f) { return f.bold; });
}
std::optional<bool> RichTextBox::selItalic() const
{
    return common<bool>([](const CharFormat& f) { return f.italic; });
}
std::optional<bool> RichTextBox::selUnderline() const
{
    return common<bool>([](const CharFormat& f) { return f.underline; });
}
std::optional<bool> RichTextBox::selStrikeThru() const
{
    return common<bool>([](const CharFormat& f) { return f.strike; });
}
std::optional<double> RichTextBox::selCharOffset() const
{
    return common<double>([](const CharFormat& f) { return f.offset; });
}

void RichTextBox::setSelFontName(const QString& name)
{
    if (name.trimmed().isEmpty())
        return;
    applyToSelection([&](CharFormat& f) { f.fontName = name; });
}
void RichTextBox::setSelFontSize(double points)
{
    if (!std::isfinite(points) || points <= 0 || points > MaxFontSize)
        return;
    applyToSelection([&](CharFormat& f) { f.size = points; });
}
void RichTextBox::setSelColor(Color c)
{
    applyToSelection([&](CharFormat& f) { f.color = c & 0x00FFFFFFu; });
}
void RichTextBox::setSelBold(bool on)
{
    applyToSelection([&](CharFormat& f) { f.bold = on; });
}
void RichTextBox::setSelItalic(bool on)
{
    applyToSelection([&](CharFormat& f) { f.italic = on; });
}
void RichTextBox::setSelUnderline(bool on)
{
    applyToSelection([&](CharFormat& f) { f.underline = on; });
}
void RichTextBox::setSelStrikeThru(bool on)
{
    applyToSelection([&](CharFormat& f) { f.strike = on; });
}
void RichTextBox::setSelCharOffset(double points)
{
    if (!std::isfinite(points))
        return;
    applyToSelection([&](CharFormat& f) { f.offset = points; });
}

QString RichTextBox::text() const { return doc_.plainText(); }

void RichTextBox::setText(const QString& text)
{
    EditBlock step(*this);
    const qsizetype oldLength = doc_.length();
    doc_.clear(insertFmt_);
    index_.reset();
    edit::insertText(doc_, 0, text, insertFmt_, &index_);
    selStart_ = 0;
    selLength_ = 0;
    touchedWhole(oldLength);
}

void RichTextBox::clear()
{
    EditBlock step(*this);
    const qsizetype oldLength = doc_.length();
    doc_.clear(insertFmt_);
    index_.reset();
    selStart_ = 0;
    selLength_ = 0;
    touchedWhole(oldLength);
}

void RichTextBox::setWidthMm(double w)
{
    if (w != widthMm_) {
        widthMm_ = w;
        layout_.reset();
    }
}
void RichTextBox::setHeightMm(double h)
{
    if (h != heightMm_) {
        heightMm_ = h;
        layout_.reset();
    }
}
void RichTextBox::setRightMarginMm(double m)
{
    if (m != rightMarginMm_) {
        rightMarginMm_ = m;
        layout_.reset();
    }
}
void RichTextBox::setVertical(bool on)
{
    if (on != vertical_) {
        vertical_ = on;
        layout_.reset();
    }
}

double RichTextBox::wrapLengthMm() const
{
    if (rightMarginMm_ > 0)
        return rightMarginMm_;
    return vertical_ ? heightMm_ : widthMm_;
}

std::shared_ptr<const TextLayout> RichTextBox::layout() const
{
    if (!layout_)
        layout_ = std::make_shared<const TextLayout>(doc_, widthMm_, heightMm_, wrapLengthMm(), vertical_,
                                                     &paragraphLayouts_);
    return layout_;
}

QString RichTextBox::dump() const
{
    QString out;
    for (qsizetype i = 0; i < doc_.paragraphs.size(); ++i) {
        const Paragraph& p = doc_.paragraphs[i];
        out += QStringLiteral("paragraph %1 mark %2\n").arg(i).arg(formatText(p.mark));
        for (const Inline& it : p.items) {
            if (it.isObject())
                out += QStringLiteral("  %1 %2\n").arg(objectText(*it.object), formatText(it.format));
            else
                out += QStringLiteral("  \"%1\" %2\n").arg(it.text, formatText(it.format));
        }
    }
    return out;
}

} // namespace rt
