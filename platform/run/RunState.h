// The state one run of the program keeps beyond its documents: the printer
// driver, the current printer, the settings cache, the answers tests script
// for message boxes, and the like. Each of those lives here as a slot (a
// struct private to the code that owns it) instead of in a static, so that a
// run that builds a fresh RunState starts from nothing and, when it ends,
// leaves nothing behind. `runProgram` builds one for the program's run; the
// test main builds one for every test.
//
// Slots are made on first use and destroyed in the reverse order, last made
// first, when the RunState goes. The program uses them from its GUI thread.
#pragma once

#include "platform/run/Installed.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace run {

namespace detail {
std::size_t nextSlotIndex();

template <typename T>
std::size_t slotIndex()
{
    static const std::size_t index = nextSlotIndex();
    return index;
}
} // namespace detail

class RunState {
public:
    RunState() = default;
    ~RunState();
    RunState(const RunState&) = delete;
    RunState& operator=(const RunState&) = delete;

    // The slot of type T, made (value-initialised) on first use.
    template <typename T>
    T& get()
    {
        const std::size_t i = detail::slotIndex<T>();
        if (i < byIndex_.size() && byIndex_[i])
            return static_cast<Holder<T>&>(*byIndex_[i]).value;
        // Made before it is filed: a slot whose constructor reaches another
        // slot files that one first, so it is destroyed after this one.
        auto made = std::make_unique<Holder<T>>();
        T& value = made->value;
        file(i, std::move(made));
        return value;
    }

private:
    struct AnyHolder {
        virtual ~AnyHolder() = default;
    };
    template <typename T>
    struct Holder : AnyHolder {
        Holder() : value() {}
        T value;
    };

    void file(std::size_t index, std::unique_ptr<AnyHolder> holder);

    std::vector<std::unique_ptr<AnyHolder>> byIndex_;
    std::vector<std::size_t> made_; // indices in the order the slots were made
};

// The installed run state; a process-wide one when none is installed (tools).
RunState& current();

// The slot of type T in the installed run state.
template <typename T>
T& slot()
{
    return current().get<T>();
}

// A port the program installs over a default that works alone (tests,
// tools): the installed one while there is one, else the default.
template <typename Port>
struct PortSlot {
    Port* installed = nullptr;
    Port alone;
};

template <typename Port>
Port& installedPort()
{
    PortSlot<Port>& s = slot<PortSlot<Port>>();
    return s.installed ? *s.installed : s.alone;
}

// nullptr puts the default back.
template <typename Port>
void installPort(Port* port)
{
    slot<PortSlot<Port>>().installed = port;
}

// Installs a run state for as long as this object lives, then puts back the
// one that was installed before.
using ScopedRunState = Installed<RunState>::Scope;

} // namespace run
