// libFuzzer target for the replay tool's script reader and runner, and through them for the game
// core under any sequence of keys, player counts, restarts, ticks and random values: any input
// gives either a clean run or a script error line, never a crash or a hang, and a range error
// only where the script set the state itself.
#include "tools/replay/ReplayRunner.h"
#include "tools/replay/ReplayScript.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <string_view>

namespace {

using namespace skyvane::replay;

// Scripts may ask for billions of passes; only bounded ones are run.
constexpr std::int64_t kMostPasses = 20000;

std::int64_t passesAskedFor(const Script& script)
{
    std::int64_t passes = 0;
    for (const Command& command : script.commands)
        if (command.kind == CommandKind::Frame || command.kind == CommandKind::Pass)
            passes += command.first;
    return passes;
}

bool setsState(const Script& script)
{
    return std::any_of(script.commands.begin(), script.commands.end(),
                       [](const Command& command) { return command.kind == CommandKind::Set; });
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Script script = parseScript(text);
    if (script.error) {
        require(script.error->line >= 1 && !script.error->message.empty() && script.commands.empty());
        return 0;
    }
    if (passesAskedFor(script) > kMostPasses)
        return 0;
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = runScript(script, out, err);
    static const std::regex errorLine("error: line [0-9]+: [^\n]+\n");
    if (exitCode == kExitOk)
        require(err.str().empty());
    else
        require((exitCode == kExitBadScript || (exitCode == kExitRangeError && setsState(script))) &&
                std::regex_match(err.str(), errorLine));
    return 0;
}
