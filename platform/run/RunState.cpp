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

RunState& current() { return Installed<RunState>::current(); }

} // namespace run
