#include "common/FakeLayoutHost.h"

FakeLayoutHost::FakeLayoutHost() = default;

bool FakeLayoutHost::omoteSizes(int index, std::array<int16_t, 4>& sizes) const
{
    if (index < 0 || index >= rowCount)
        return false;
    sizes = rowSizes;
    return true;
}
