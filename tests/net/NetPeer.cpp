#include "NetPeer.h"

#include "input/KeyHandlers.h"

namespace skyvane::testing {

namespace {
constexpr std::int16_t kShiftKey = 16;
} // namespace

NetPeer::NetPeer(std::unique_ptr<net::Session> session)
    : frames(state, World{clock_, unused_, *this, drawing_, label}), session_(std::move(session)),
      world_{clock_, unused_, *this, drawing_, label}, net_(*session_, frames, state, world_)
{
    net_.watch(this);
}

NetPeer::~NetPeer()
{
    done_ = true;
    if (thread_.joinable())
        thread_.join();
}

void NetPeer::start(Script betweenGames, Script inGame, std::chrono::seconds deadline)
{
    inGame_ = std::move(inGame);
    deadline_ = std::chrono::steady_clock::now() + deadline;
    thread_ = std::thread([this, betweenGames = std::move(betweenGames)] {
        while (!done_) {
            if (std::chrono::steady_clock::now() > deadline_) {
                timedOut = true;
                break;
            }
            net_.service();
            if (net_.startPending())
                net_.GameMain();
            betweenGames(*this);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
}

void NetPeer::join()
{
    if (thread_.joinable())
        thread_.join();
}

void NetPeer::pumpEvents()
{
    if (std::chrono::steady_clock::now() > deadline_) {
        timedOut = true;
        net_.requestClose();
        return;
    }
    inGame_(*this);
    std::this_thread::sleep_for(std::chrono::microseconds(500));
}

void NetPeer::agreed(std::uint32_t game, std::int32_t frame, const net::FrameInputs& inputs, std::uint32_t checksum)
{
    agreedFrames.push_back({game, frame, inputs, checksum});
}

void NetPeer::key(bool down, std::int16_t code, std::int16_t shift)
{
    if (down)
        Form_KeyDown(net_.keyCells(), code, shift);
    else
        Form_KeyUp(net_.keyCells(), code, shift);
}

void NetPeer::hold(int steer, bool thrust)
{
    const bool host = session_->side() == net::Session::Side::Host;
    const std::int16_t left = host ? KeyCode::Left : KeyCode::Z;
    const std::int16_t right = host ? KeyCode::Right : KeyCode::X;
    if (steer != steer_) {
        if (steer_ != 0)
            key(false, steer_ < 0 ? left : right, thrust_ && !host ? ShiftMask::Shift : 0);
        if (steer != 0)
            key(true, steer < 0 ? left : right, thrust_ && !host ? ShiftMask::Shift : 0);
        steer_ = steer;
    }
    if (thrust != thrust_) {
        if (host)
            key(thrust, KeyCode::Up, 0);
        else
            key(thrust, kShiftKey, thrust ? ShiftMask::Shift : 0);
        thrust_ = thrust;
    }
}

void NetPeer::pressEscape()
{
    key(true, KeyCode::Escape, 0);
    key(false, KeyCode::Escape, 0);
}

} // namespace skyvane::testing
