#pragma once
// Parts of the world that do nothing, for runs that only look at the game state.

#include "game/World.h"

namespace skyvane::doubles {

class NullEventPump : public EventPump {
public:
    void pumpEvents() override {}
};

class NullControls : public Controls {
public:
    void showImage1() override {}
    void hideImage1() override {}
    void showLabel1() override {}
    void hideLabel1() override {}
    void setLabel1Caption(std::string_view) override {}
};

} // namespace skyvane::doubles
