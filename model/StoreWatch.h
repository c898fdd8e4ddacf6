// Word that the registered tables changed. The store's operations send it
// after every change they make, whichever window asked for the change, so
// that every list showing sizes or inscriptions can follow the store instead
// of trusting the window that changed it to tell everybody.
#pragma once

#include <functional>

namespace app {

enum class StoreChange { Sizes, Omotes };

// Sent by the store after a change of one of its tables.
void notifyStoreChanged(StoreChange what);

// Hears every change for as long as it lives.
class StoreWatch {
public:
    using Callback = std::function<void(StoreChange)>;
    explicit StoreWatch(Callback onChange);
    ~StoreWatch();
    StoreWatch(const StoreWatch&) = delete;
    StoreWatch& operator=(const StoreWatch&) = delete;

private:
    friend void notifyStoreChanged(StoreChange);
    Callback onChange_;
};

} // namespace app
