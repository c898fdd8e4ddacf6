#include "platform/run/RunState.h"

namespace run {

namespace detail {
std::size_t nextSlotIndex()
{
    static std::size_t next = 0;
    return next++;
}
} // namespace detail

RunState::~RunState()
{
    for (auto it = made_.rbegin(); it != made_.rend(); ++it)
        byIndex_[*it].reset();
}

void RunState::file(std::size_t index, std::unique_ptr<AnyHolder> holder)
{
    if (index >= byIndex_.size())
        byIndex_.resize(index + 1);
    byIndex_[index] = std::move(holder);
    made_.push_back(index);
}

namespace {
RunState*& installed()
{
    static RunState* state = nullptr;
    return state;
}
} // namespace

RunState& current()
{
    if (RunState* s = installed())
        return *s;
    static RunState fallback;
    return fallback;
}

ScopedRunState::ScopedRunState(RunState& state) : previous_(installed())
{
    installed() = &state;
}

ScopedRunState::~ScopedRunState() { installed() = previous_; }

} // namespace run
