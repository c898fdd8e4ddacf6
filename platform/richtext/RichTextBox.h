// A rich-text box: a document, a selection and the box geometry, with the
// selection API the windows and the layout write through, and the history of
// its changes. Every change of the text or its formats, programmatic ones
// included, is one step to undo and one notification (changed() and
// contentsChange()); an edit block makes the changes inside it one of each,
// so that a command of several calls is undone at once.
#pragma once

#include "platform/richtext/DocumentEdit.h"
#include "platform/richtext/EditHistory.h"
#include "platform/richtext/RichDocument.h"
#include "platform/richtext/TextLayout.h"

#include <QObject>
#include <memory>
#include <optional>

namespace rt {

class RichTextBox : public QObject {
    Q_OBJECT
public:
    explicit RichTextBox(QObject* parent = nullptr);
    ~RichTextBox() override;

    const RichDocument& document() const { return doc_; }
    void setDocument(const RichDocument& doc); // selection to the start

    // --- selection ---
    qsizetype selStart() const;
    qsizetype selLength() const;
    void setSelStart(qsizetype pos);     // clamps, collapses the selection
    void setSelLength(qsizetype len);    // clamps to the end
    QString selText() const;
    // Replaces the selection (or inserts at the insertion point) in the
    // insertion format; CR LF or LF starts a new paragraph. The insertion
    // point ends after the new text.
    void setSelText(const QString& text);
    void insertObject(std::shared_ptr<EmbeddedObject> obj);

    // Formats of the selection: nullopt when the selection is mixed. With
    // nothing selected, the getters report and the setters change the
    // insertion format, which persists until changed.
    std::optional<QString> selFontName() const;
    std::optional<double> selFontSize() const;
    std::optional<Color> selColor() const;
    std::optional<bool> selBold() const;
    std::optional<bool> selItalic() const;
    std::optional<bool> selUnderline() const;
    std::optional<bool> selStrikeThru() const;
    std::optional<double> selCharOffset() const; // points
    void setSelFontName(const QString& name);
    void setSelFontSize(double points);
    void setSelColor(Color c);
    void setSelBold(bool on);
    void setSelItalic(bool on);
    void setSelUnderline(bool on);
    void setSelStrikeThru(bool on);
    void setSelCharOffset(double points);
    const CharFormat& insertionFormat() const { return insertFmt_; }

    // Back to what a new box has (text, formats, geometry, history); its
    // connections stay.
    void reset();

    // --- whole text ---
    QString text() const;                // paragraph ends as CR LF
    void setText(const QString& text);   // plain text in the insertion format
    void clear();                        // empties the box, keeps the insertion format

    // --- files (RTF); a failure leaves the box unchanged ---
    bool loadFile(const QString& path, QString* error = nullptr);
    bool saveFile(const QString& path, QString* error = nullptr) const;
    QByteArray textRtf() const;
    bool setTextRtf(const QByteArray& rtf, QString* error = nullptr);

    // --- geometry, in millimetres ---
    double widthMm() const { return widthMm_; }
    double heightMm() const { return heightMm_; }
    double rightMarginMm() const { return rightMarginMm_; } // wrap length of a line; 0: the box's own extent
    void setWidthMm(double w);
    void setHeightMm(double h);
    void setRightMarginMm(double m);
    bool vertical() const { return vertical_; }
    void setVertical(bool on);

    // --- history ---
    // Changes between beginEdit() and the matching endEdit() (blocks nest)
    // are one step and notify once, at the end of the outermost block.
    // Typing joins the typing step before it until breakTypingRun().
    void beginEdit(EditHistory::Kind kind = EditHistory::Kind::Other);
    void endEdit();
    bool inEdit() const { return editDepth_ > 0; }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // Brings back the text, formats and selection before (after) a step.
    void undo();
    void redo();
    // Forgets every step, e.g. after a page was laid out or a file loaded.
    void clearUndo() { history_.clear(); }
    void breakTypingRun() { history_.breakRun(); }
    int undoCount() const { return history_.undoCount(); }

    // Tests: the paragraphs and runs with their formats, one item a line.
    QString dump() const;

    // The box laid out for drawing and hit-testing; rebuilt after a change.
    std::shared_ptr<const TextLayout> layout() const;
    // The length of a line along its direction: the right margin, or the
    // box's own height (vertical) or width (horizontal) when that is 0.
    double wrapLengthMm() const;

signals:
    void changed();
    // The text from `from` on lost `removed` positions and gained `added`
    // (a format change: removed == added over the range it changed).
    void contentsChange(qsizetype from, qsizetype removed, qsizetype added);
    // The selection was moved or resized through the box, by whoever did it.
    void selectionMoved();

private:
    // One change of [from, from + removed) into `added` positions: drops the
    // cached layout and joins the change to the open step.
    void touched(qsizetype from, qsizetype removed, qsizetype added);
    void touchedWhole(qsizetype oldLength) { touched(0, oldLength, doc_.length()); }
    void restore(const EditState& state);
    void moveCaret(qsizetype pos, qsizetype len);
    template <typename T, typename Get>
    std::optional<T> common(Get get) const;
    template <typename Set>
    void applyToSelection(Set set);

    RichDocument doc_;
    mutable edit::PositionIndex index_; // of doc_, kept by every edit
    qsizetype selStart_ = 0;
    qsizetype selLength_ = 0;
    CharFormat insertFmt_;
    double widthMm_ = 100.0;
    double heightMm_ = 100.0;
    double rightMarginMm_ = 0.0;
    bool vertical_ = false;
    mutable std::shared_ptr<const TextLayout> layout_;
    mutable ParagraphLayoutCache paragraphLayouts_; // told of every change by touched()

    EditHistory history_;
    int editDepth_ = 0;
    EditHistory::Kind editKind_ = EditHistory::Kind::Other;
    EditState editBefore_;  // the state when the outermost block began
    bool editChanged_ = false;
    bool recording_ = true; // off while undo or redo restores a state
    qsizetype changeFrom_ = 0, changeRemoved_ = 0, changeAdded_ = 0;
};

// Runs the changes of its scope as one step and one notification, e.g. a
// format command that sets the font, the size and the colour.
class EditBlock {
public:
    explicit EditBlock(RichTextBox& box, EditHistory::Kind kind = EditHistory::Kind::Other) : box_(box)
    {
        box_.beginEdit(kind);
    }
    ~EditBlock() { box_.endEdit(); }
    EditBlock(const EditBlock&) = delete;
    EditBlock& operator=(const EditBlock&) = delete;

private:
    RichTextBox& box_;
};

} // namespace rt
