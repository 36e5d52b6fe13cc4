#pragma once
#include "game/World.h"

#include <functional>

namespace skyvane {

// One QCoreApplication::processEvents() that never waits. Before it, the window is asked
// to schedule a repaint of what the pass drew, so the screen shows whole frames.
class QtEventPump : public EventPump {
public:
    explicit QtEventPump(std::function<void()> beforePump);
    void pumpEvents() override;

private:
    std::function<void()> beforePump_;
};

} // namespace skyvane
