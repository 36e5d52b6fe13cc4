// libFuzzer target for the net game's packet reader: any bytes give either nothing or a message
// that writes back to exactly those bytes, never a crash, a read past the end or a hang.
#include "net/Protocol.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace skyvane::net;
    const std::optional<Message> message = readMessage(std::span(data, size));
    if (!message)
        return 0;
    std::array<std::uint8_t, kLargestMessage> written{};
    const std::size_t length = writeMessage(*message, written);
    if (length != size || !std::equal(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(length), data))
        std::abort();
    return 0;
}
