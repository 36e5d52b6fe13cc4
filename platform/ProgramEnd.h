#pragma once
// The end of the program.

namespace skyvane {

// Ends the process at once with exitCode once the standard streams are flushed: no destructor
// and no handler of the failed or finished program runs on.
[[noreturn]] void endProcessNow(int exitCode);

// Returns the exit code for main to return, or ends the process at once with it where taking
// the window system's connection down can hang: Qt 6.4's Wayland client can wait forever for
// its event thread after a close in the middle of a game. Nothing is left to save by then.
int endProgram(int exitCode);

} // namespace skyvane
