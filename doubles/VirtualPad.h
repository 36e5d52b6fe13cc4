#pragma once
// A pad of SDL's own that a test drives: a game controller with the full layout of buttons and
// axes, opened, as SDL requires before its inputs can be set. A change shows at the next poll;
// two changes of one input between polls show as the last alone.
#include <SDL.h>

namespace skyvane::doubles {

class VirtualPad {
public:
    VirtualPad()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        if (index >= 0)
            joystick_ = SDL_JoystickOpen(index);
    }
    ~VirtualPad() { unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool plugged() const { return joystick_ != nullptr; }
    void press(SDL_GameControllerButton button, bool down = true)
    {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED);
    }
    void move(SDL_GameControllerAxis axis, int value)
    {
        SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value));
    }
    void tilt(int x) { move(SDL_CONTROLLER_AXIS_LEFTX, x); }  // the left stick's x

    void unplug()
    {
        if (joystick_ == nullptr)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == id) {
                SDL_JoystickDetachVirtual(index);
                break;
            }
        }
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
    }

private:
    SDL_Joystick* joystick_ = nullptr;
};

} // namespace skyvane::doubles
