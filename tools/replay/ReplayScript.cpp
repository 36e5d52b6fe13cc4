#include "ReplayScript.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace skyvane::replay {

namespace {

std::vector<std::string_view> splitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t begin = line.find_first_not_of(" \t\r\f\v", at);
        if (begin == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find_first_of(" \t\r\f\v", begin), line.size());
        words.push_back(line.substr(begin, end - begin));
        at = end;
    }
    return words;
}

// A failed parse of one line: the message of its error.
struct LineError {
    std::string message;
};

std::int64_t parseInteger(std::string_view word, std::int64_t low, std::int64_t high, const char* what)
{
    std::int64_t value = 0;
    const auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (status == std::errc::result_out_of_range)
        throw LineError{std::string(what) + " out of range: " + std::string(word)};
    if (status != std::errc() || end != word.data() + word.size())
        throw LineError{std::string(what) + " is not a whole number: " + std::string(word)};
    if (value < low || value > high)
        throw LineError{std::string(what) + " out of range: " + std::string(word) + " (allowed " + std::to_string(low) +
                        ".." + std::to_string(high) + ")"};
    return value;
}

float parseRandomValue(std::string_view word)
{
    double value = 0;
    const auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (status != std::errc() || end != word.data() + word.size() || !std::isfinite(value))
        throw LineError{"random value is not a decimal number: " + std::string(word)};
    const auto single = static_cast<float>(value);
    if (!(value >= 0.0) || !(single < 1.0f))
        throw LineError{"random value out of range: " + std::string(word) + " (allowed 0 <= V < 1)"};
    return single;
}

void expectArguments(const std::vector<std::string_view>& words, std::size_t low, std::size_t high)
{
    const std::size_t count = words.size() - 1;
    if (count < low || count > high)
        throw LineError{std::string(words[0]) + " takes " +
                        (low == high ? std::to_string(low) : std::to_string(low) + " to " + std::to_string(high)) +
                        " argument" + (low == 1 && high == 1 ? "" : "s") + ", got " + std::to_string(count)};
}

constexpr std::int64_t kInt16Low = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t kInt16High = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t kInt32Low = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32High = std::numeric_limits<std::int32_t>::max();

Command parseKey(CommandKind kind, const std::vector<std::string_view>& words, int line)
{
    expectArguments(words, 2, 2);
    return Command{.kind = kind,
                   .line = line,
                   .first = parseInteger(words[1], kInt16Low, kInt16High, "key code"),
                   .second = parseInteger(words[2], kInt16Low, kInt16High, "shift mask")};
}

Command parseRepeated(CommandKind kind, const std::vector<std::string_view>& words, int line)
{
    expectArguments(words, 0, 1);
    const std::int64_t count = words.size() == 2 ? parseInteger(words[1], 0, kInt32High, "count") : 1;
    return Command{.kind = kind, .line = line, .first = count};
}

Command parseRandom(const std::vector<std::string_view>& words, int line)
{
    if (words.size() < 2)
        throw LineError{"random needs at least one value"};
    if (words[1] == "default") {
        if (words.size() != 3)
            throw LineError{"random default takes one value"};
        return Command{.kind = CommandKind::RandomDefault, .line = line, .values = {parseRandomValue(words[2])}};
    }
    Command command{.kind = CommandKind::Random, .line = line};
    for (std::size_t i = 1; i < words.size(); ++i)
        command.values.push_back(parseRandomValue(words[i]));
    return command;
}

Command parseTrace(const std::vector<std::string_view>& words, int line)
{
    expectArguments(words, 1, 1);
    if (words[1] == "on")
        return Command{.kind = CommandKind::TraceOn, .line = line};
    if (words[1] == "off")
        return Command{.kind = CommandKind::TraceOff, .line = line};
    throw LineError{"trace takes on or off, got " + std::string(words[1])};
}

// set NAME VALUE for a scalar, set NAME INDEX VALUE for an array; the store checks both.
Command parseSet(const std::vector<std::string_view>& words, int line)
{
    expectArguments(words, 2, 3);
    Command command{.kind = CommandKind::Set, .line = line};
    command.names.emplace_back(words[1]);
    command.first = parseInteger(words.back(), kInt32Low, kInt32High, "value");
    if (words.size() == 4)
        command.index = parseInteger(words[2], kInt32Low, kInt32High, "index");
    return command;
}

Command parseShow(const std::vector<std::string_view>& words, int line)
{
    if (words.size() < 2)
        throw LineError{"show needs at least one variable"};
    Command command{.kind = CommandKind::Show, .line = line};
    command.names.assign(words.begin() + 1, words.end());
    return command;
}

Command parseCommand(const std::vector<std::string_view>& words, int line)
{
    const std::string_view name = words[0];
    if (name == "random")
        return parseRandom(words, line);
    if (name == "players") {
        expectArguments(words, 1, 1);
        return Command{.kind = CommandKind::Players, .line = line, .first = parseInteger(words[1], 0, 1, "player setting")};
    }
    if (name == "keydown")
        return parseKey(CommandKind::KeyDown, words, line);
    if (name == "keyup")
        return parseKey(CommandKind::KeyUp, words, line);
    if (name == "tick") {
        expectArguments(words, 1, 1);
        return Command{.kind = CommandKind::Tick, .line = line, .first = parseInteger(words[1], kInt32Low, kInt32High, "tick")};
    }
    if (name == "frame")
        return parseRepeated(CommandKind::Frame, words, line);
    if (name == "pass")
        return parseRepeated(CommandKind::Pass, words, line);
    if (name == "trace")
        return parseTrace(words, line);
    if (name == "set")
        return parseSet(words, line);
    if (name == "show")
        return parseShow(words, line);
    if (name == "start" || name == "dump") {
        expectArguments(words, 0, 0);
        return Command{.kind = name == "start" ? CommandKind::Start : CommandKind::Dump, .line = line};
    }
    throw LineError{"unknown command: " + std::string(name)};
}

} // namespace

Script parseScript(std::string_view text)
{
    Script script;
    int line = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        ++line;
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view content = text.substr(at, end - at);
        at = end + 1;
        content = content.substr(0, std::min(content.find('#'), content.size()));
        const auto words = splitWords(content);
        if (words.empty())
            continue;
        try {
            script.commands.push_back(parseCommand(words, line));
        } catch (const LineError& error) {
            script.error = ScriptError{line, error.message};
            script.commands.clear();
            return script;
        }
    }
    return script;
}

} // namespace skyvane::replay
