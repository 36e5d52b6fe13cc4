#pragma once
// Game controllers through SDL's game-controller layer alone (never its video or audio): its
// database maps the common pads to one layout of buttons and sticks.
#include "input/PadKeys.h"

#include <array>
#include <cstdint>

namespace skyvane {

// Told of every control of a pad that goes down or up.
class PadListener {
public:
    virtual ~PadListener() = default;
    virtual void padControl(int slot, PadControl control, bool down) = 0;
};

// One at a time: poll drains SDL's whole event queue.
class Gamepads {
public:
    static constexpr int kSlots = 2;
    // The left stick holds a side beyond half its travel and lets go below 40 % of it, so a stick
    // resting near one threshold does not chatter.
    static constexpr int kStickPress = 16384;
    static constexpr int kStickRelease = 13107;

    Gamepads();   // starts SDL's game-controller subsystem; without it there are simply no pads
    ~Gamepads();  // closes the pads and quits the subsystem
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    bool available() const;  // the subsystem started
    int connected() const;   // pads in slots now, 0..kSlots

    // Handles every pending controller event, calling the listener for each change, and returns
    // without waiting; no heap call once the pads in slots are open. A pad that connects (or was
    // there at the start) takes the lowest free slot and keeps it until it disconnects; a pad
    // beyond kSlots waits, unused, for the next slot that frees. Controls a pad holds as it takes
    // a slot are heard 'down' then. A pad that disconnects first lets go of every control it held
    // (listener told 'up' for each).
    void poll(PadListener& listener);
    // Lets go of every control held in every slot, telling the listener. A button still held
    // counts again once pressed anew, the stick once it next moves beyond the dead zone.
    void releaseAll(PadListener& listener);

private:
    static constexpr int kControls = 5;
    static constexpr std::int32_t kNoJoystick = -1;
    enum class StickSide : std::uint8_t { Centre, Left, Right };

    struct Inputs {
        bool dpadLeft = false;
        bool dpadRight = false;
        bool thrust = false;
        bool start = false;
        bool back = false;
        StickSide stick = StickSide::Centre;
    };
    // What a pad's inputs say now, and what the listener last heard of each control.
    struct Pad {
        std::int32_t joystick = kNoJoystick;  // SDL's instance id
        Inputs inputs;
        std::array<bool, kControls> heard{};
    };

    static StickSide stickSide(StickSide side, int x);
    static bool* input(Inputs& inputs, int button);  // null for a button the game does not use
    Pad& padIn(int slot);
    const Pad& padIn(int slot) const;
    int slotOf(std::int32_t joystick) const;
    void takeWaitingPads(PadListener& listener);
    void buttonChanged(std::int32_t joystick, int button, bool down, PadListener& listener);
    void stickMoved(std::int32_t joystick, int x, PadListener& listener);
    void padRemoved(std::int32_t joystick, PadListener& listener);
    void letGo(int slot, PadListener& listener);
    void settle(int slot, PadListener& listener);

    bool available_ = false;
    std::array<Pad, kSlots> pads_{};
};

} // namespace skyvane
