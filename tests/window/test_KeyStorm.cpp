// A hundred thousand random key events through the window's key translation and the
// handlers, compared event by event with a small model of the rules.
#include "WindowFixture.h"

#include "game/GameState.h"

#include <array>
#include <random>
#include <set>

using namespace skyvane;
using skyvane::testing::WindowTest;

namespace {

struct Key {
    int qtKey;
    quint32 keysym;
    int code;      // the virtual-key code the handlers must see
    int modifier;  // the mask bit this key holds down, 0 for other keys
};

// Tab is here too: with no control to take the focus, it must reach the game like any key.
constexpr std::array<Key, 15> kKeyboard{{
    {Qt::Key_Left, 0xff51, 37, 0},   {Qt::Key_Up, 0xff52, 38, 0},       {Qt::Key_Right, 0xff53, 39, 0},
    {Qt::Key_Down, 0xff54, 40, 0},   {Qt::Key_Z, 0x7a, 90, 0},          {Qt::Key_X, 0x78, 88, 0},
    {Qt::Key_A, 0x61, 65, 0},        {Qt::Key_Escape, 0xff1b, 27, 0},   {Qt::Key_Space, 0x20, 32, 0},
    {Qt::Key_Tab, 0xff09, 9, 0},
    {Qt::Key_Shift, 0xffe1, 16, 1},  {Qt::Key_Shift, 0xffe2, 16, 1},    {Qt::Key_Control, 0xffe3, 17, 2},
    {Qt::Key_Control, 0xffe4, 17, 2}, {Qt::Key_Alt, 0xffe9, 18, 4},
}};

// What the rules say the cells become, kept as one record.
struct Cells {
    int steer0 = 0, steer1 = 0, thrust0 = 0, thrust1 = 0, playing = -1;
    bool operator==(const Cells&) const = default;
};

Cells press(Cells c, int code, int mask)
{
    switch (code) {
    case 37: c.steer0 = -1; break;
    case 39: c.steer0 = 1; break;
    case 38: c.thrust0 = 1; break;
    case 90: c.steer1 = -1; break;
    case 88: c.steer1 = 1; break;
    case 27: c.playing = 0; break;
    default: break;
    }
    if (mask == 1)
        c.thrust1 = 1;
    return c;
}

Cells release(Cells c, int code, int mask)
{
    const std::array<std::pair<int, int>, 4> steering{{{37, -1}, {39, 1}, {90, -1}, {88, 1}}};
    for (const auto& [key, direction] : steering) {
        int& cell = key == 37 || key == 39 ? c.steer0 : c.steer1;
        if (code == key && cell == direction)
            cell = 0;
    }
    if (code == 38)
        c.thrust0 = 0;
    if (mask == 0)
        c.thrust1 = 0;
    return c;
}

Cells cellsOf(const GameState& s) { return {s.Steer[0], s.Steer[1], s.Thrust[0], s.Thrust[1], s.Playing}; }

} // namespace

TEST_F(WindowTest, AKeyStormReachesTheHandlersExactlyAsTheRulesSay)
{
    std::mt19937 dice(6122026);
    std::set<std::size_t> held;
    Cells expected;
    window->state().Playing = -1;
    auto heldMask = [&] {
        int mask = 0;
        for (const std::size_t index : held)
            mask |= kKeyboard[index].modifier;
        return mask;
    };
    // The modifiers a platform reports are not what the translation reads for real keyboard
    // events, so they are random here.
    auto send = [&](QEvent::Type type, const Key& key, bool autoRepeat) {
        const auto reported = Qt::KeyboardModifiers(static_cast<int>(dice() % 8) << 25);
        QKeyEvent event(type, key.qtKey, reported, 9, key.keysym, 0, QString(), autoRepeat);
        QApplication::sendEvent(window.get(), &event);
    };

    for (int event = 0; event < 100000; ++event) {
        const std::size_t index = dice() % kKeyboard.size();
        const Key& key = kKeyboard[index];
        const bool isHeld = held.count(index) > 0;
        if (!isHeld && dice() % 2 == 0) {
            held.insert(index);
            send(QEvent::KeyPress, key, false);
            expected = press(expected, key.code, heldMask());
        } else if (isHeld && key.modifier == 0 && dice() % 2 == 0) {
            send(QEvent::KeyRelease, key, true);  // auto-repeat: a dropped release, then a press
            send(QEvent::KeyPress, key, true);
            expected = press(expected, key.code, heldMask());
        } else if (isHeld) {
            held.erase(index);
            send(QEvent::KeyRelease, key, false);
            expected = release(expected, key.code, heldMask());
        }
        if (expected.playing == 0 && dice() % 3 == 0) {
            window->state().Playing = -1;
            expected.playing = -1;
        }
        ASSERT_EQ(cellsOf(window->state()), expected) << "event " << event;
    }
}

TEST_F(WindowTest, HandMadeEventsAreTakenAtTheirModifierMasks)
{
    std::mt19937 dice(7);
    Cells expected;
    window->state().Playing = -1;
    const std::array<Qt::KeyboardModifier, 3> bits{Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    for (int event = 0; event < 20000; ++event) {
        const Key& key = kKeyboard[dice() % 10];  // the keys that are not modifiers
        int mask = static_cast<int>(dice() % 8);
        Qt::KeyboardModifiers modifiers;
        for (std::size_t bit = 0; bit < bits.size(); ++bit)
            if (mask & (1 << bit))
                modifiers |= bits[bit];
        const bool isPress = dice() % 2 == 0;
        QKeyEvent made(isPress ? QEvent::KeyPress : QEvent::KeyRelease, key.qtKey, modifiers);
        QApplication::sendEvent(window.get(), &made);
        expected = isPress ? press(expected, key.code, mask) : release(expected, key.code, mask);
        expected.playing = -1;
        window->state().Playing = -1;
        ASSERT_EQ(cellsOf(window->state()), expected) << "event " << event;
    }
}
