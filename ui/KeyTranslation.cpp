#include "KeyTranslation.h"

#include "input/KeyHandlers.h"

#include <array>
#include <utility>

namespace skyvane {

namespace {

// Keys whose Qt code differs from their virtual-key code. Shifted punctuation maps back to
// its key on a US layout, so that Shift does not change which key was pressed.
constexpr std::array<std::pair<int, std::int16_t>, 70> kKeyTable{{
    {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},      {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},      {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},      {Qt::Key_Meta, 91},       {Qt::Key_Pause, 19},       {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},     {Qt::Key_Space, 32},      {Qt::Key_PageUp, 33},      {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},        {Qt::Key_Home, 36},       {Qt::Key_Left, 37},        {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},      {Qt::Key_Down, 40},       {Qt::Key_Print, 44},       {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},     {Qt::Key_Menu, 93},       {Qt::Key_NumLock, 144},    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},     {Qt::Key_Equal, 187},      {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},     {Qt::Key_Less, 188},      {Qt::Key_Minus, 189},      {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},    {Qt::Key_Greater, 190},   {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},       {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222}, {Qt::Key_Exclam, 49},      {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51}, {Qt::Key_Dollar, 52},     {Qt::Key_Percent, 53},     {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},  {Qt::Key_Asterisk, 56},   {Qt::Key_ParenLeft, 57},   {Qt::Key_ParenRight, 48},
    {Qt::Key_Super_L, 91},    {Qt::Key_Super_R, 92},    {Qt::Key_Clear, 12},       {Qt::Key_Help, 47},
    {Qt::Key_Select, 41},     {Qt::Key_Execute, 43},    {Qt::Key_Sleep, 95},       {Qt::Key_Cancel, 3},
    {Qt::Key_Hangul, 21},     {Qt::Key_Kanji, 25},
}};

// The two keys of each modifier, as Qt reports them held and as the handlers' mask names them.
struct ModifierPair {
    Qt::KeyboardModifier modifier;
    std::uint8_t keys;
    std::uint8_t left;
    std::int16_t mask;
};
constexpr std::array<ModifierPair, 3> kPairs{{
    {Qt::ShiftModifier, ModifierKey::LeftShift | ModifierKey::RightShift, ModifierKey::LeftShift, ShiftMask::Shift},
    {Qt::ControlModifier, ModifierKey::LeftCtrl | ModifierKey::RightCtrl, ModifierKey::LeftCtrl, ShiftMask::Ctrl},
    {Qt::AltModifier, ModifierKey::LeftAlt | ModifierKey::RightAlt, ModifierKey::LeftAlt, ShiftMask::Alt},
}};

std::uint8_t pairOf(std::uint8_t key)
{
    for (const ModifierPair& pair : kPairs)
        if ((pair.keys & key) != 0)
            return pair.keys;
    return key;
}

constexpr std::array<std::pair<int, std::int16_t>, 6> kKeypadTable{{
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
}};

template <std::size_t N>
std::int16_t lookUp(const std::array<std::pair<int, std::int16_t>, N>& table, int key)
{
    for (const auto& [qtKey, code] : table)
        if (qtKey == key)
            return code;
    return 0;
}

} // namespace

std::int16_t virtualKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::int16_t>(keypad ? 96 + (key - Qt::Key_0) : key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<std::int16_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::int16_t>(112 + (key - Qt::Key_F1));
    if (keypad) {
        if (const std::int16_t code = lookUp(kKeypadTable, key))
            return code;
    }
    return lookUp(kKeyTable, key);
}

std::int16_t ShiftState::afterEvent(const QKeyEvent& event)
{
    const std::optional<std::uint8_t> key = modifierKeyOf(event.nativeVirtualKey());
    if (!key || *key == ModifierKey::None)
        resync(event.modifiers());
    else if (event.type() == QEvent::KeyPress)
        held_ |= *key;
    else  // a release of a key the record missed: its side was guessed, so the pair goes
        held_ &= static_cast<std::uint8_t>(~((held_ & *key) != 0 ? *key : pairOf(*key)));
    return mask();
}

void ShiftState::resync(Qt::KeyboardModifiers held)
{
    for (const ModifierPair& pair : kPairs) {
        if (!held.testFlag(pair.modifier))
            held_ &= static_cast<std::uint8_t>(~pair.keys);
        else if ((held_ & pair.keys) == 0)
            held_ |= pair.left;
    }
}

std::int16_t ShiftState::mask() const
{
    std::int16_t result = 0;
    for (const ModifierPair& pair : kPairs)
        if ((held_ & pair.keys) != 0)
            result |= pair.mask;
    return result;
}

} // namespace skyvane
