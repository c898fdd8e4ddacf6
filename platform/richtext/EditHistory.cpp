#include "platform/richtext/EditHistory.h"

namespace rt {

void EditHistory::record(const EditState& before, Kind kind)
{
    redo_.clear();
    const bool join = kind == Kind::Typing && joinable_ && !undo_.isEmpty();
    joinable_ = kind == Kind::Typing;
    if (join)
        return;
    undo_.append(before);
    if (undo_.size() > limit_)
        undo_.removeFirst();
}

std::optional<EditState> EditHistory::undo(const EditState& current)
{
    joinable_ = false;
    if (undo_.isEmpty())
        return std::nullopt;
    redo_.append(current);
    return undo_.takeLast();
}

std::optional<EditState> EditHistory::redo(const EditState& current)
{
    joinable_ = false;
    if (redo_.isEmpty())
        return std::nullopt;
    undo_.append(current);
    return redo_.takeLast();
}

void EditHistory::clear()
{
    undo_.clear();
    redo_.clear();
    joinable_ = false;
}

} // namespace rt
