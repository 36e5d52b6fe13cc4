// libFuzzer target for the net game's readers of what arrives from the network, a message of
// the game and the answer of a host found on the network: any bytes give either nothing or what
// writes back to exactly those bytes, never a crash, a read past the end or a hang.
#include "net/Discovery.h"
#include "net/Protocol.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

template <std::size_t N>
void requireWrittenAs(std::span<const std::uint8_t> bytes, const std::array<std::uint8_t, N>& written, std::size_t length)
{
    if (length != bytes.size() || !std::equal(bytes.begin(), bytes.end(), written.begin()))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace skyvane::net;
    const std::span<const std::uint8_t> bytes(data, size);
    if (const std::optional<Message> message = readMessage(bytes)) {
        std::array<std::uint8_t, kLargestMessage> written{};
        const std::size_t length = writeMessage(*message, written);
        requireWrittenAs(bytes, written, length);
    }
    if (const std::optional<GameAnswer> answer = readGameAnswer(bytes)) {
        std::array<std::uint8_t, kLargestAnswer> written{};
        const std::size_t length = writeGameAnswer(*answer, written);
        requireWrittenAs(bytes, written, length);
    }
    return 0;
}
