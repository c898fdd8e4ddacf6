// One object of type T that a run or a test installs for as long as it lasts,
// over a fallback that serves code running outside any (a tool, a static).
// Installs nest: a scope puts back the one installed before it.
#pragma once

namespace run {

template <typename T>
class Installed {
public:
    // The installed object; the fallback when none is installed. The
    // fallback is made on first use and lives until the process ends.
    static T& current()
    {
        if (T* t = slot())
            return *t;
        static T fallback;
        return fallback;
    }

    // Installs `t` for as long as this object lives, then puts back the one
    // that was installed before.
    class Scope {
    public:
        explicit Scope(T& t) : previous_(slot()) { slot() = &t; }
        ~Scope() { slot() = previous_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        T* previous_;
    };

private:
    static T*& slot()
    {
        static T* installed = nullptr;
        return installed;
    }
};

} // namespace run
