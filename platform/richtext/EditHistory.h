// Undo and redo of a rich-text box as whole-document snapshots. Documents
// share their paragraphs until one is changed, so a snapshot costs little;
// keeping whole states means every change can be undone alike: typing,
// a format set from a menu, a paste or a layout written into the box.
#pragma once

#include "platform/richtext/RichDocument.h"

#include <QVector>
#include <optional>

namespace rt {

struct EditState {
    RichDocument document;
    qsizetype selStart = 0;
    qsizetype selLength = 0;
};

class EditHistory {
public:
    // What a step was; consecutive typing becomes one step.
    enum class Kind { Typing, Other };

    explicit EditHistory(int limit = 100) : limit_(limit) {}

    // Records the state before a change. Typing joins the step before it
    // while that was typing too and nothing broke the run.
    void record(const EditState& before, Kind kind);
    // Ends a run of typing (the caret moved, the box lost the focus).
    void breakRun() { joinable_ = false; }

    bool canUndo() const { return !undo_.isEmpty(); }
    bool canRedo() const { return !redo_.isEmpty(); }
    // The state to restore, given the current one; nullopt when there is none.
    std::optional<EditState> undo(const EditState& current);
    std::optional<EditState> redo(const EditState& current);
    void clear();
    int undoCount() const { return int(undo_.size()); }

private:
    int limit_;
    QVector<EditState> undo_, redo_;
    bool joinable_ = false;
};

} // namespace rt
