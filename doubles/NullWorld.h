#pragma once
// An event pump that does nothing, for runs that only look at the game state.

#include "game/World.h"

namespace skyvane::doubles {

class NullEventPump : public EventPump {
public:
    void pumpEvents() override {}
};

} // namespace skyvane::doubles
