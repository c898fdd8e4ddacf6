#include "model/StoreWatch.h"

#include <algorithm>
#include <vector>

namespace app {

namespace {

std::vector<StoreWatch*>& watches()
{
    static std::vector<StoreWatch*> all;
    return all;
}

} // namespace

StoreWatch::StoreWatch(Callback onChange) : onChange_(std::move(onChange)) { watches().push_back(this); }

StoreWatch::~StoreWatch() { std::erase(watches(), this); }

void notifyStoreChanged(StoreChange what)
{
    // A listener may close a window (and its watch) while hearing the news:
    // only watches still registered are told.
    const std::vector<StoreWatch*> now = watches();
    for (StoreWatch* w : now) {
        if (std::find(watches().begin(), watches().end(), w) != watches().end() && w->onChange_)
            w->onChange_(what);
    }
}

} // namespace app
