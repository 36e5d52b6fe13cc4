#pragma once
// The replay script: one command per line, '#' starts a comment, blank lines are ignored.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyvane::replay {

enum class CommandKind { Random, Players, KeyDown, KeyUp, Tick, Start, Frame, Pass, Dump, TraceOn, TraceOff };

struct Command {
    CommandKind kind;
    int line;
    std::vector<float> values;  // random
    std::int64_t first = 0;     // players N, key code, tick T, frame/pass count
    std::int64_t second = 0;    // shift mask
};

struct ScriptError {
    int line;
    std::string message;
};

struct Script {
    std::vector<Command> commands;
    std::optional<ScriptError> error;  // the first bad line; no commands run when set
};

Script parseScript(std::string_view text);

} // namespace skyvane::replay
