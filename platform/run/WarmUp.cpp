#include "platform/run/WarmUp.h"

namespace run {

WarmUp::WarmUp(std::function<void()> work) : worker_(std::move(work)) {}

WarmUp::~WarmUp() { wait(); }

void WarmUp::wait()
{
    if (worker_.joinable())
        worker_.join();
}

} // namespace run
