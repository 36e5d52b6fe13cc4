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

template <std::size_t N, typename Read, typename Write>
void requireWrittenBack(std::span<const std::uint8_t> bytes, Read read, Write write)
{
    if (const auto value = read(bytes)) {
        std::array<std::uint8_t, N> written{};
        if (write(*value, written) != bytes.size() || !std::equal(bytes.begin(), bytes.end(), written.begin()))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace skyvane::net;
    requireWrittenBack<kLargestMessage>({data, size}, readMessage, writeMessage);
    requireWrittenBack<kLargestAnswer>({data, size}, readGameAnswer, writeGameAnswer);
    return 0;
}
