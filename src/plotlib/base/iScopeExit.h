#pragma once
// Runs a step when the enclosing scope ends, however it ends (return or exception): the undo half
// of a paired call (Lock/Unlock, a font colour set for one drawing, an update bracket).
//
//   Lock();
//   const TiScopeExit unlock([this] { Unlock(); });

#include <utility>

template <class F>
class TiScopeExit {
public:
    explicit TiScopeExit(F step) : step_(std::move(step)) {}
    ~TiScopeExit() { step_(); }
    TiScopeExit(const TiScopeExit &) = delete;
    TiScopeExit &operator=(const TiScopeExit &) = delete;

private:
    F step_;
};
