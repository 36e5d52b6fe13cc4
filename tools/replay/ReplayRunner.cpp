#include "ReplayRunner.h"

#include "StateDump.h"
#include "doubles/FakeTickCounter.h"
#include "doubles/NullWorld.h"
#include "doubles/ScriptedRandom.h"
#include "doubles/TraceRecorder.h"
#include "game/Game.h"
#include "input/KeyHandlers.h"

namespace skyvane::replay {

namespace {

// A script error found while running, such as a pass with no game running.
struct RunError {
    std::string message;
};

class Runner {
public:
    explicit Runner(std::ostream& out)
        : out_(out), trace_(out), game_(state_, World{clock_, random_, pump_, trace_, trace_})
    {
    }

    void run(const Command& command)
    {
        switch (command.kind) {
        case CommandKind::Random:
            for (const float value : command.values)
                random_.append(value);
            break;
        case CommandKind::Players: state_.PlayerSetting = command.first; break;
        case CommandKind::KeyDown:
            Form_KeyDown(state_, static_cast<std::int16_t>(command.first), static_cast<std::int16_t>(command.second));
            break;
        case CommandKind::KeyUp:
            Form_KeyUp(state_, static_cast<std::int16_t>(command.first), static_cast<std::int16_t>(command.second));
            break;
        case CommandKind::Tick: clock_.milliseconds = static_cast<std::int32_t>(command.first); break;
        case CommandKind::Start:
            game_.setUp();
            gameActive_ = true;
            break;
        case CommandKind::Frame: runPasses(command.first, true); break;
        case CommandKind::Pass: runPasses(command.first, false); break;
        case CommandKind::RandomDefault: random_.fallback = command.values.front(); break;
        case CommandKind::Dump: writeDump(out_, state_); break;
        case CommandKind::Show: show(command.names); break;
        case CommandKind::Set: set(command.names.front(), command.index, command.first); break;
        case CommandKind::TraceOn: trace_.enabled = true; break;
        case CommandKind::TraceOff: trace_.enabled = false; break;
        }
    }

private:
    void show(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            if (!writeVariable(out_, state_, name))
                throw RunError{"unknown variable: " + name};
    }

    // A store like the game's own: a value outside the variable's width or an index outside its
    // bounds is a range error.
    void set(const std::string& name, std::optional<std::int64_t> index, std::int64_t value)
    {
        bool found = false;
        forEachVariable(state_, [&](auto& variable) {
            if (name != variable.name())
                return;
            found = true;
            constexpr bool isArray = requires { variable.size(); };
            if (index.has_value() != isArray)
                throw RunError{name + (isArray ? " needs an index" : " takes no index")};
            if constexpr (isArray)
                variable[*index] = value;
            else
                variable = value;
        });
        if (!found)
            throw RunError{"unknown variable: " + name};
    }

    void runPasses(std::int64_t count, bool advanceClock)
    {
        for (std::int64_t i = 0; i < count; ++i) {
            if (!gameActive_)
                throw RunError{"no game is running (use start first)"};
            if (advanceClock)
                clock_.advance(kTickStepMs);
            if (!game_.pass()) {
                game_.tail();
                gameActive_ = false;
            }
        }
    }

    std::ostream& out_;
    GameState state_;
    doubles::FakeTickCounter clock_;
    doubles::ScriptedRandom random_;
    doubles::NullEventPump pump_;
    doubles::TraceRecorder trace_;
    Game game_;
    bool gameActive_ = false;
};

int fail(std::ostream& out, std::ostream& err, int line, const std::string& message, int exitCode)
{
    out.flush();
    err << "error: line " << line << ": " << message << '\n';
    return exitCode;
}

} // namespace

int runScript(const Script& script, std::ostream& out, std::ostream& err)
{
    if (script.error)
        return fail(out, err, script.error->line, script.error->message, kExitBadScript);
    Runner runner(out);
    for (const Command& command : script.commands) {
        try {
            runner.run(command);
        } catch (const doubles::RandomExhausted& error) {
            return fail(out, err, command.line, error.what(), kExitBadScript);
        } catch (const RunError& error) {
            return fail(out, err, command.line, error.message, kExitBadScript);
        } catch (const RangeError& error) {
            return fail(out, err, command.line, error.what(), kExitRangeError);
        }
    }
    out.flush();
    return kExitOk;
}

} // namespace skyvane::replay
