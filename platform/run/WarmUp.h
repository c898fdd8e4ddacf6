// Work that start-up will need shortly, run on a worker thread while the main
// thread goes on: loading libraries, reading configuration. The work must be
// safe from any thread and must leave nothing behind but what it loaded.
#pragma once

#include <functional>
#include <thread>

namespace run {

class WarmUp {
public:
    explicit WarmUp(std::function<void()> work);
    // Waits for the work.
    ~WarmUp();
    WarmUp(const WarmUp&) = delete;
    WarmUp& operator=(const WarmUp&) = delete;

    // Returns when the work is done (at once when it was).
    void wait();

private:
    std::thread worker_;
};

} // namespace run
