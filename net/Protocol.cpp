#include "Protocol.h"

#include "JoinCode.h"

#include <algorithm>

namespace skyvane::net {

namespace {

enum class Type : std::uint8_t { Hello = 1, Welcome, Start, StartRequest, Inputs, Checksum, Mismatch, Beat };

constexpr std::size_t kInputsHeader = 19;  // an Inputs message before its inputs

// Little-endian fields into a buffer the caller made large enough.
class Writer {
public:
    explicit Writer(std::span<std::uint8_t> out) : out_(out) {}
    template <typename T>
    Writer& put(T value)
    {
        auto bits = static_cast<std::uint64_t>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i, bits >>= 8u)
            out_[length_++] = static_cast<std::uint8_t>(bits & 0xFFu);
        return *this;
    }
    template <std::size_t N>
    Writer& put(const std::array<char, N>& text)
    {
        for (const char letter : text)
            put(static_cast<std::uint8_t>(letter));
        return *this;
    }
    std::size_t length() const { return length_; }

private:
    std::span<std::uint8_t> out_;
    std::size_t length_ = 0;
};

// Little-endian fields from bytes whose length the caller has checked.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    template <typename T>
    T take()
    {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bits |= std::uint64_t{bytes_[at_++]} << (8u * i);
        return static_cast<T>(bits);
    }
    template <std::size_t N>
    std::array<char, N> text()
    {
        std::array<char, N> letters{};
        for (char& letter : letters)
            letter = static_cast<char>(take<std::uint8_t>());
        return letters;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

bool isFrame(std::int32_t frame) { return frame >= 0 && frame < kLastFrame; }

// Printable ASCII, then zeros to the end, and not empty.
bool isVersionText(const VersionText& text)
{
    const auto end = std::find(text.begin(), text.end(), '\0');
    return end != text.begin() && std::all_of(text.begin(), end, [](char c) { return c >= 0x20 && c <= 0x7E; }) &&
           std::all_of(end, text.end(), [](char c) { return c == '\0'; });
}

std::optional<Message> readHello(Reader& in)
{
    Hello hello{in.text<kVersionBytes>(), in.text<kJoinCodeLength>()};
    if (!isVersionText(hello.version) || !std::all_of(hello.code.begin(), hello.code.end(), isJoinCodeLetter))
        return std::nullopt;
    return hello;
}

std::optional<Message> readInputs(Reader& in, std::size_t length)
{
    Inputs inputs;
    inputs.game = in.take<std::uint32_t>();
    inputs.present = in.take<std::int32_t>();
    inputs.known = in.take<std::int32_t>();
    inputs.advantage = in.take<std::int8_t>();
    inputs.first = in.take<std::int32_t>();
    inputs.count = in.take<std::uint8_t>();
    if (inputs.count == 0 || inputs.count > kMostInputs || length != kInputsHeader + inputs.count)
        return std::nullopt;
    if (!isFrame(inputs.present) || !isFrame(inputs.known) || inputs.first < 1 ||
        inputs.first > inputs.present - inputs.count + 1)
        return std::nullopt;
    for (std::size_t i = 0; i < inputs.count; ++i) {
        const std::optional<FrameInput> input = FrameInput::unpack(in.take<std::uint8_t>());
        if (!input)
            return std::nullopt;
        inputs.inputs[i] = *input;
    }
    return inputs;
}

// The length each type must have; an Inputs message is only known to be at least its header.
std::size_t lengthOf(Type type)
{
    switch (type) {
    case Type::Hello: return 1 + kVersionBytes + kJoinCodeLength;
    case Type::Welcome: return 1;
    case Type::Start: return 13;
    case Type::StartRequest: return 5;
    case Type::Inputs: return kInputsHeader;
    case Type::Checksum: return 13;
    case Type::Mismatch: return 17;
    case Type::Beat: return 1;
    }
    return 0;
}

std::optional<Message> readBody(Type type, Reader& in, std::size_t length)
{
    switch (type) {
    case Type::Hello: return readHello(in);
    case Type::Welcome: return Welcome{};
    case Type::Start: {
        const Start start{in.take<std::uint32_t>(), in.take<std::uint64_t>()};
        return start.game > 0 ? std::optional<Message>(start) : std::nullopt;
    }
    case Type::StartRequest: return StartRequest{in.take<std::uint32_t>()};
    case Type::Inputs: return readInputs(in, length);
    case Type::Checksum: {
        const Checksum checksum{in.take<std::uint32_t>(), in.take<std::int32_t>(), in.take<std::uint32_t>()};
        return isFrame(checksum.frame) ? std::optional<Message>(checksum) : std::nullopt;
    }
    case Type::Mismatch: {
        const Mismatch mismatch{in.take<std::uint32_t>(), in.take<std::int32_t>(), in.take<std::uint32_t>(),
                                in.take<std::uint32_t>()};
        return isFrame(mismatch.frame) ? std::optional<Message>(mismatch) : std::nullopt;
    }
    case Type::Beat: return Beat{};
    }
    return std::nullopt;
}

struct MessageWriter {
    Writer& out;
    void operator()(const Hello& m) { out.put(Type::Hello).put(m.version).put(m.code); }
    void operator()(const Welcome&) { out.put(Type::Welcome); }
    void operator()(const Start& m) { out.put(Type::Start).put(m.game).put(m.seed); }
    void operator()(const StartRequest& m) { out.put(Type::StartRequest).put(m.game); }
    void operator()(const Inputs& m)
    {
        out.put(Type::Inputs).put(m.game).put(m.present).put(m.known).put(m.advantage).put(m.first).put(m.count);
        for (std::size_t i = 0; i < m.count; ++i)
            out.put(m.inputs[i].pack());
    }
    void operator()(const Checksum& m) { out.put(Type::Checksum).put(m.game).put(m.frame).put(m.value); }
    void operator()(const Mismatch& m)
    {
        out.put(Type::Mismatch).put(m.game).put(m.frame).put(m.senders).put(m.receivers);
    }
    void operator()(const Beat&) { out.put(Type::Beat); }
};

} // namespace

bool isReliable(const Message& message)
{
    return !std::holds_alternative<Inputs>(message) && !std::holds_alternative<Beat>(message);
}

std::optional<Message> readMessage(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return std::nullopt;
    const auto type = static_cast<Type>(bytes[0]);
    const std::size_t length = lengthOf(type);
    if (length == 0 || bytes.size() < length || (type != Type::Inputs && bytes.size() != length))
        return std::nullopt;
    Reader in(bytes.subspan(1));
    return readBody(type, in, bytes.size());
}

std::size_t writeMessage(const Message& message, std::span<std::uint8_t, kLargestMessage> out)
{
    Writer writer(out);
    std::visit(MessageWriter{writer}, message);
    return writer.length();
}

} // namespace skyvane::net
