#include "fuzz_link.h"

#include <cstring>

namespace qbx::fuzz {

namespace {

// No frame of the protocol is longer than a data block with its header and
// check byte; a longer read or write is an overrun somewhere.
constexpr int kLongestTransfer = 4096;

CSettings FixedSettings(bool network) {
    CSettings settings;
    settings.interfaceIndex = network ? 6 : 0;
    return settings;
}

} // namespace

ISeedDevice* seedDevice = nullptr;
int messagesShown = 0;

int CFuzzTransport::Write(const std::uint8_t* data, int len) {
    FUZZ_CHECK(data != nullptr && len > 0 && len <= kLongestTransfer);
    replies.written += static_cast<std::size_t>(len);
    if (seedDevice) seedDevice->Receive(data, static_cast<std::size_t>(len));
    return len;
}

int CFuzzTransport::Read(std::uint8_t* data, int len) {
    FUZZ_CHECK(data != nullptr && len > 0 && len <= kLongestTransfer);
    if (seedDevice) return seedDevice->Answer(data, len);
    const std::size_t left = replies.size - replies.position;
    const std::size_t n = std::min(left, static_cast<std::size_t>(len));
    if (n > 0) std::memcpy(data, replies.data + replies.position, n);
    replies.position += n;
    return static_cast<int>(n);
}

void CCountingHost::ShowMessage(int number, int stringId, const std::vector<MessageArg>&) {
    FUZZ_CHECK(number > 0 && stringId > 0);
    ++messages;
    ++messagesShown;
}

void CCountingHost::ShowMessageText(int number, const std::string&) {
    FUZZ_CHECK(number > 0);
    ++messages;
    ++messagesShown;
}

bool CCountingHost::AskQuestion(int number, int stringId, const std::vector<MessageArg>&) {
    FUZZ_CHECK(number > 0 && stringId > 0);
    ++questions;
    return yes;
}

std::string CCountingHost::String(int stringId) {
    FUZZ_CHECK(stringId > 0);
    return "text";
}

ConnectOptions FuzzOptions(DeviceReplies& replies, bool network) {
    static const CSettings serial = FixedSettings(false);
    static const CSettings tcp = FixedSettings(true);
    ConnectOptions options;
    options.settings = network ? &tcp : &serial;
    options.createTransport = [&replies, network](const CSettings&,
                                                  int& result) -> std::unique_ptr<CTransport> {
        result = 0;
        return std::make_unique<CFuzzTransport>(replies, network);
    };
    return options;
}

} // namespace qbx::fuzz
