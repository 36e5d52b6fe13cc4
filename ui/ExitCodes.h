#pragma once
// The program's exit codes, as its manual page lists them.

namespace skyvane {

constexpr int kExitUsage = 1;          // an unknown option, or a value out of its range
constexpr int kExitPictureError = 2;   // a picture resource missing or damaged
constexpr int kExitRuntimeError = 3;   // a value of the game out of its range
constexpr int kExitNoDisplay = 4;      // no window system could be opened
constexpr int kExitNetwork = 5;        // a net game could not be hosted or joined

} // namespace skyvane
