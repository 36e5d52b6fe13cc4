#include "StateDump.h"

namespace skyvane::replay {

namespace {

template <typename T>
void writeScalar(std::ostream& out, const Checked<T>& value)
{
    out << value.name() << ' ' << static_cast<std::int64_t>(value) << '\n';
}

template <typename T, int Count>
void writeArray(std::ostream& out, const CheckedArray<T, Count>& values)
{
    out << values.name();
    for (int i = 0; i < Count; ++i)
        out << ' ' << static_cast<std::int64_t>(values[i]);
    out << '\n';
}

} // namespace

void writeDump(std::ostream& out, const GameState& s)
{
    writeScalar(out, s.Playing);
    writeScalar(out, s.LastTick);
    writeScalar(out, s.SpawnRoll);
    writeScalar(out, s.PlayerSetting);
    writeScalar(out, s.GameOverTimer);
    writeScalar(out, s.Progress);
    for (const auto* array : {&s.RocketX, &s.RocketY, &s.RocketVY, &s.Steer, &s.Thrust, &s.RocketPose, &s.Flame})
        writeArray(out, *array);
    for (const auto* array : {&s.StarCX, &s.StarCY, &s.StarDX, &s.StarDY})
        writeArray(out, *array);
    for (const auto* array : {&s.MeteorX, &s.MeteorY, &s.MeteorSize, &s.MeteorFrame, &s.MeteorTick})
        writeArray(out, *array);
    for (const auto* array : {&s.DebrisX, &s.DebrisY, &s.DebrisVX, &s.DebrisVY})
        writeArray(out, *array);
    out << "end\n";
}

} // namespace skyvane::replay
