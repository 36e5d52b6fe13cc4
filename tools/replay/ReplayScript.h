#pragma once
// The replay script: one command per line, '#' starts a comment, blank lines are ignored.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyvane::replay {

enum class CommandKind {
    Random,
    RandomDefault,
    Players,
    KeyDown,
    KeyUp,
    Tick,
    Start,
    Frame,
    Pass,
    Dump,
    Show,
    Set,
    TraceOn,
    TraceOff
};

struct Command {
    CommandKind kind = CommandKind::Start;
    int line = 0;
    std::vector<float> values{};          // random, random default
    std::int64_t first = 0;               // players N, key code, tick T, frame/pass count, set's value
    std::int64_t second = 0;              // shift mask
    std::vector<std::string> names{};     // the variables of show and set
    std::optional<std::int64_t> index{};  // set's array index
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
