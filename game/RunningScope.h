#pragma once
// Sets a running flag for as long as a game's loop runs, however the loop is left, a range error
// included.

namespace skyvane {

class RunningScope {
public:
    explicit RunningScope(bool& running) : running_(running) { running_ = true; }
    ~RunningScope() { running_ = false; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

private:
    bool& running_;
};

} // namespace skyvane
