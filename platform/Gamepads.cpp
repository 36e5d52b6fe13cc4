#include "Gamepads.h"

#include <SDL.h>

namespace skyvane {

namespace {

// SDL turns SIGINT and SIGTERM into quit events that nobody reads here, so the program could no
// longer be ended from outside; and no SDL window ever has the focus that SDL waits for. Set
// over the environment variables of the same names, which would otherwise win.
void setHints()
{
    SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
    SDL_SetHintWithPriority(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1", SDL_HINT_OVERRIDE);
}

// Sized for a burst of changes; a bigger one takes more rounds.
constexpr int kEventBatch = 32;

} // namespace

Gamepads::Gamepads()
{
    setHints();
    available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

Gamepads::~Gamepads()
{
    if (!available_)
        return;
    for (const Pad& pad : pads_) {
        if (pad.joystick != kNoJoystick)
            SDL_GameControllerClose(SDL_GameControllerFromInstanceID(pad.joystick));
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool Gamepads::available() const { return available_; }

int Gamepads::connected() const
{
    int count = 0;
    for (const Pad& pad : pads_)
        count += pad.joystick != kNoJoystick ? 1 : 0;
    return count;
}

void Gamepads::poll(PadListener& listener)
{
    if (!available_)
        return;
    // One pump, then the queue drained whole: the joystick events that SDL queues beside the
    // controller events would otherwise fill it.
    SDL_PumpEvents();
    SDL_Event events[kEventBatch];
    int count = 0;
    do {
        count = SDL_PeepEvents(events, kEventBatch, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
        for (int i = 0; i < count; ++i) {
            const SDL_Event& event = events[i];
            switch (event.type) {
            case SDL_CONTROLLERDEVICEADDED:  // also sent for the pads already there at the start
                takeWaitingPads(listener);
                break;
            case SDL_CONTROLLERDEVICEREMOVED:
                padRemoved(event.cdevice.which, listener);
                break;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP:
                buttonChanged(event.cbutton.which, event.cbutton.button, event.cbutton.state == SDL_PRESSED, listener);
                break;
            case SDL_CONTROLLERAXISMOTION:
                if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
                    stickMoved(event.caxis.which, event.caxis.value, listener);
                break;
            default:
                break;
            }
        }
    } while (count == kEventBatch);
}

void Gamepads::releaseAll(PadListener& listener)
{
    for (int slot = 0; slot < kSlots; ++slot)
        letGo(slot, listener);
}

Gamepads::StickSide Gamepads::stickSide(StickSide side, int x)
{
    if ((side == StickSide::Left && -x < kStickRelease) || (side == StickSide::Right && x < kStickRelease))
        side = StickSide::Centre;
    if (side == StickSide::Centre) {
        if (-x > kStickPress)
            side = StickSide::Left;
        else if (x > kStickPress)
            side = StickSide::Right;
    }
    return side;
}

Gamepads::Pad& Gamepads::padIn(int slot) { return pads_.at(static_cast<std::size_t>(slot)); }
const Gamepads::Pad& Gamepads::padIn(int slot) const { return pads_.at(static_cast<std::size_t>(slot)); }

int Gamepads::slotOf(std::int32_t joystick) const
{
    for (int slot = 0; slot < kSlots; ++slot) {
        if (padIn(slot).joystick == joystick)
            return slot;
    }
    return -1;
}

bool* Gamepads::input(Inputs& inputs, int button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return &inputs.dpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return &inputs.dpadRight;
    case SDL_CONTROLLER_BUTTON_A: return &inputs.thrust;
    case SDL_CONTROLLER_BUTTON_START: return &inputs.start;
    case SDL_CONTROLLER_BUTTON_BACK: return &inputs.back;
    default: return nullptr;
    }
}

// Opens controllers not yet in a slot, in SDL's device order, while slots are free. What a pad
// holds is read as it takes a slot: SDL may send no event for what it held before.
void Gamepads::takeWaitingPads(PadListener& listener)
{
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        const int slot = slotOf(kNoJoystick);
        if (slot < 0)
            return;
        if (!SDL_IsGameController(index) || slotOf(SDL_JoystickGetDeviceInstanceID(index)) >= 0)
            continue;
        SDL_GameController* controller = SDL_GameControllerOpen(index);
        if (controller == nullptr)
            continue;
        Pad& pad = padIn(slot);
        pad = Pad{};
        pad.joystick = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
        for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button) {
            if (bool* held = input(pad.inputs, button))
                *held = SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(button)) != 0;
        }
        pad.inputs.stick = stickSide(StickSide::Centre, SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX));
        settle(slot, listener);
    }
}

void Gamepads::buttonChanged(std::int32_t joystick, int button, bool down, PadListener& listener)
{
    const int slot = slotOf(joystick);
    if (slot < 0)
        return;
    if (bool* held = input(padIn(slot).inputs, button)) {
        *held = down;
        settle(slot, listener);
    }
}

void Gamepads::stickMoved(std::int32_t joystick, int x, PadListener& listener)
{
    const int slot = slotOf(joystick);
    if (slot < 0)
        return;
    padIn(slot).inputs.stick = stickSide(padIn(slot).inputs.stick, x);
    settle(slot, listener);
}

void Gamepads::padRemoved(std::int32_t joystick, PadListener& listener)
{
    const int slot = slotOf(joystick);
    if (slot < 0)
        return;
    letGo(slot, listener);
    SDL_GameControllerClose(SDL_GameControllerFromInstanceID(joystick));
    padIn(slot) = Pad{};
    takeWaitingPads(listener);
}

void Gamepads::letGo(int slot, PadListener& listener)
{
    padIn(slot).inputs = Inputs{};
    settle(slot, listener);
}

// Tells the listener of each control whose combined inputs changed since it last heard.
void Gamepads::settle(int slot, PadListener& listener)
{
    Pad& pad = padIn(slot);
    const Inputs& in = pad.inputs;
    const std::array<bool, kControls> now{in.dpadLeft || in.stick == StickSide::Left,
                                          in.dpadRight || in.stick == StickSide::Right, in.thrust, in.start,
                                          in.back};
    for (std::size_t control = 0; control < now.size(); ++control) {
        if (now[control] != pad.heard[control]) {
            pad.heard[control] = now[control];
            listener.padControl(slot, static_cast<PadControl>(control), now[control]);
        }
    }
}

} // namespace skyvane
