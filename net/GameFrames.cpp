#include "GameFrames.h"

#include "game/Frame.h"
#include "game/StateVariables.h"

namespace skyvane::net {

namespace {

// FNV-1a over bytes.
class Fnv1a {
public:
    void add(std::uint64_t value, std::size_t bytes)
    {
        for (std::size_t i = 0; i < bytes; ++i, value >>= 8u)
            hash_ = (hash_ ^ static_cast<std::uint32_t>(value & 0xFFu)) * kPrime;
    }
    std::uint32_t value() const { return hash_; }

private:
    static constexpr std::uint32_t kPrime = 16777619u;
    std::uint32_t hash_ = 2166136261u;
};

template <typename T>
void addVariable(Fnv1a& hash, const Checked<T>& variable)
{
    hash.add(static_cast<std::uint64_t>(static_cast<T>(variable)), sizeof(T));
}

template <typename T, int Count>
void addVariable(Fnv1a& hash, const CheckedArray<T, Count>& variable)
{
    for (int i = 0; i < Count; ++i)
        hash.add(static_cast<std::uint64_t>(variable[i]), sizeof(T));
}

} // namespace

std::uint32_t checksumOf(const GameState& state, const DeterministicRandom& random)
{
    Fnv1a hash;
    forEachVariable(state, [&hash](const auto& variable) { addVariable(hash, variable); });
    hash.add(random.state(), sizeof(std::uint64_t));
    return hash.value();
}

GameFrames::GameFrames(GameState& state, const World& world)
    : state_(state), game_(state, World{world.clock, random_, world.pump, world.drawing, world.controls}),
      drawnWorld_{world.clock, random_, world.pump, world.drawing, mutedControls_},
      mutedWorld_{world.clock, random_, world.pump, mutedDrawing_, mutedControls_}
{
}

// All of a game starts afresh, so that nothing left from earlier games on either machine can
// tell the two apart: two players, and no clock reading in the state (the net game paces itself).
void GameFrames::setUp(std::uint64_t seed)
{
    state_ = GameState();
    state_.PlayerSetting = 1;
    random_ = DeterministicRandom(seed);
    game_.setUp();
    state_.LastTick = 0;
    save(0);
}

// Esc of either player ends the game before the frame's work.
void GameFrames::advance(const FrameInputs& inputs, bool drawn)
{
    applyFrameInputs(state_, inputs);
    if (state_.Playing != 0)
        runFrame(state_, drawn ? drawnWorld_ : mutedWorld_);
}

void GameFrames::save(std::int32_t frame)
{
    Snapshot& snapshot = snapshotOf(frame);
    snapshot.state = state_;
    snapshot.random = random_;
}

void GameFrames::load(std::int32_t frame)
{
    const Snapshot& snapshot = snapshotOf(frame);
    state_ = snapshot.state;
    random_ = snapshot.random;
}

std::uint32_t GameFrames::checksum(std::int32_t frame) const
{
    const Snapshot& snapshot = snapshotOf(frame);
    return checksumOf(snapshot.state, snapshot.random);
}

void GameFrames::tail() { game_.tail(); }

GameFrames::Snapshot& GameFrames::snapshotOf(std::int32_t frame)
{
    return snapshots_[static_cast<std::size_t>(frame % kSavedFrames)];
}

const GameFrames::Snapshot& GameFrames::snapshotOf(std::int32_t frame) const
{
    return snapshots_[static_cast<std::size_t>(frame % kSavedFrames)];
}

} // namespace skyvane::net
