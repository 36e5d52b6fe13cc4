#pragma once
// The end of the program after a run-time error: a message box and standard error.

#include "ExitCodes.h"
#include "game/Checked.h"

#include <QString>

namespace skyvane {

// Shows the message (on a display that has one), writes it to standard error and ends
// the program at once with exitCode.
[[noreturn]] void endWithError(const QString& message, int exitCode);

// Runs work; a run-time error of the game inside it ends the program as above. Handlers
// run inside Qt's event dispatch, which no exception may cross.
template <typename Work>
void runGuarded(Work&& work)
{
    try {
        work();
    } catch (const RangeError& error) {
        endWithError(QString::fromUtf8(error.what()), kExitRuntimeError);
    }
}

} // namespace skyvane
