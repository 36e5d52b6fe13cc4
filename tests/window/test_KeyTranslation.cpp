// Key events reach the handlers once each, with virtual-key codes and the mask after the event.
#include "WindowFixture.h"

#include "ui/KeyTranslation.h"

#include <set>
#include <tuple>
#include <vector>

using namespace skyvane;
using skyvane::testing::WindowTest;

namespace {
QKeyEvent nativeKey(QEvent::Type type, int key, quint32 keysym, Qt::KeyboardModifiers reported = {})
{
    return QKeyEvent(type, key, reported, 50, keysym, 0);
}
constexpr quint32 kShiftL = 0xffe1, kShiftR = 0xffe2, kControlL = 0xffe3, kAltL = 0xffe9, kLetterZ = 0x7a,
                  kUpArrow = 0xff52;
} // namespace

TEST(VirtualKeyCode, MapsEachKeyToItsCodeAndNoOtherKeyToACodeOfTheGamesKeys)
{
    const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
    const std::vector<std::tuple<int, Qt::KeyboardModifiers, int>> cases{
        {Qt::Key_Left, none, 37},    {Qt::Key_Up, none, 38},        {Qt::Key_Right, none, 39},
        {Qt::Key_Down, none, 40},    {Qt::Key_Escape, none, 27},    {Qt::Key_X, shift, 88},
        {Qt::Key_Z, none, 90},       {Qt::Key_Shift, shift, 16},    {Qt::Key_Control, none, 17},
        {Qt::Key_Alt, none, 18},     {Qt::Key_Space, none, 32},     {Qt::Key_Exclam, shift, 49},
        {Qt::Key_F1, none, 112},     {Qt::Key_5, keypad, 101},      {Qt::Key_Plus, keypad, 107},
        {Qt::Key_unknown, none, 0}};
    for (const auto& [key, modifiers, code] : cases)
        EXPECT_EQ(virtualKeyCode(QKeyEvent(QEvent::KeyPress, key, modifiers)), code) << std::hex << key;

    // No other key steers, thrusts or ends a game: the game's codes come from the game's keys alone.
    const std::set<int> gameKeys{Qt::Key_Escape, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_X, Qt::Key_Z,
                                 Qt::Key_Shift};
    const std::set<int> gameCodes{27, 37, 38, 39, 88, 90, 16};
    for (const auto& [first, last] : {std::pair(0x20, 0xff), std::pair(+Qt::Key_Escape, Qt::Key_Escape + 0xff)})
        for (int key = first; key <= last; ++key)
            for (const Qt::KeyboardModifiers modifiers : {none, keypad}) {
                const int code = virtualKeyCode(QKeyEvent(QEvent::KeyPress, key, modifiers));
                EXPECT_TRUE(gameCodes.count(code) == 0 || gameKeys.count(key) == 1)
                    << std::hex << key << " gives " << std::dec << code;
            }
}

TEST(ShiftState, TracksBothShiftKeysFromARealKeyboard)
{
    ShiftState shift;
    // A second Shift press reports no modifiers on X11; tracking the keys stays exact.
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyPress, Qt::Key_Shift, kShiftL, Qt::ShiftModifier)), 1);
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyPress, Qt::Key_Shift, kShiftR)), 1);
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyRelease, Qt::Key_Shift, kShiftL)), 1) << "right Shift still held";
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyPress, Qt::Key_Z, kLetterZ, Qt::ShiftModifier)), 1);
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyRelease, Qt::Key_Shift, kShiftR)), 0);
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyPress, Qt::Key_Control, kControlL)), 2);
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyPress, Qt::Key_Alt, kAltL)), 6);
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyRelease, Qt::Key_Control, kControlL)), 4);
    shift.resync(Qt::NoModifier);
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyPress, Qt::Key_Z, kLetterZ)), 0) << "re-synced on activation";
    // A Shift the record took for the left one, but it was the right: its release ends the pair.
    shift.resync(Qt::ShiftModifier);
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyRelease, Qt::Key_Shift, kShiftR)), 0);
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyPress, Qt::Key_Shift, kShiftR, Qt::ShiftModifier)), 1);
    EXPECT_EQ(shift.afterEvent(nativeKey(QEvent::KeyRelease, Qt::Key_Shift, kShiftL)), 0);
}

TEST_F(WindowTest, EachPressRepeatAndRealReleaseReachesTheHandlersOnce)
{
    auto send = [this](QKeyEvent event) { QApplication::sendEvent(window.get(), &event); };
    send(nativeKey(QEvent::KeyPress, Qt::Key_Up, kUpArrow));
    // Auto-repeat comes as a release and a press; the release must not clear the thrust.
    send(QKeyEvent(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, 50, kUpArrow, 0, QString(), true));
    EXPECT_EQ(state.Thrust[0], 1);
    send(QKeyEvent(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, 50, kUpArrow, 0, QString(), true));
    send(nativeKey(QEvent::KeyRelease, Qt::Key_Up, kUpArrow));
    EXPECT_EQ(state.Thrust[0], 0) << "the real release";

    // With no control to move the focus to, Tab is a key of the game like any other.
    send(QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::ShiftModifier));
    EXPECT_EQ(state.Thrust[1], 1);
}
