// The seam by which tests stand in for an interactive service: every request
// is recorded, and a script, when set, answers in place of the real service.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace ui {

template <typename Request, typename Result>
class ScriptedService {
public:
    using Script = std::function<Result(const Request&)>;

    template <typename Real>
    Result run(const Request& r, Real real)
    {
        shown_.push_back(r);
        return script_ ? script_(r) : real(r);
    }
    void setScript(Script s) { script_ = std::move(s); }
    bool scripted() const { return bool(script_); }
    const std::vector<Request>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    Script script_;
    std::vector<Request> shown_;
};

} // namespace ui
