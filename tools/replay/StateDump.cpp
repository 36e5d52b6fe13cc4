#include "StateDump.h"

namespace skyvane::replay {

namespace {

template <typename T>
void writeLine(std::ostream& out, const Checked<T>& value)
{
    out << value.name() << ' ' << static_cast<std::int64_t>(value) << '\n';
}

template <typename T, int Count>
void writeLine(std::ostream& out, const CheckedArray<T, Count>& values)
{
    out << values.name();
    for (int i = 0; i < Count; ++i)
        out << ' ' << static_cast<std::int64_t>(values[i]);
    out << '\n';
}

} // namespace

void writeDump(std::ostream& out, const GameState& s)
{
    forEachVariable(s, [&out](const auto& variable) { writeLine(out, variable); });
    out << "end\n";
}

bool writeVariable(std::ostream& out, const GameState& s, std::string_view name)
{
    bool found = false;
    forEachVariable(s, [&](const auto& variable) {
        if (variable.name() == name) {
            writeLine(out, variable);
            found = true;
        }
    });
    return found;
}

} // namespace skyvane::replay
