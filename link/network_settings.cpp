#include "link/network_settings.h"

#include "link/protocol_constants.h"
#include "link/wire_bytes.h"

namespace qbx {
namespace {

constexpr int kAddress1At = 0, kAddress2At = 4, kAddress3At = 8;
constexpr int kByteAt = 12, kWord1At = 13, kWord2At = 15;
static_assert(kWord2At + 2 == record::kNetworkSettingsSize);

void PutAddress(std::uint8_t* out, const std::array<std::uint8_t, 4>& address) {
    for (int i = 0; i < 4; ++i)
        out[i] = address[3 - i];
}

std::array<std::uint8_t, 4> GetAddress(const std::uint8_t* in) {
    return {in[3], in[2], in[1], in[0]};
}

} // namespace

void EncodeNetworkSettings(const NetworkSettings& settings, std::uint8_t* out) {
    PutAddress(out + kAddress1At, settings.address1);
    PutAddress(out + kAddress2At, settings.address2);
    PutAddress(out + kAddress3At, settings.address3);
    out[kByteAt] = settings.parameterByte;
    PutLe16(out + kWord1At, settings.parameterWord1);
    PutLe16(out + kWord2At, settings.parameterWord2);
}

NetworkSettings DecodeNetworkSettings(const std::uint8_t* in) {
    NetworkSettings settings;
    settings.address1 = GetAddress(in + kAddress1At);
    settings.address2 = GetAddress(in + kAddress2At);
    settings.address3 = GetAddress(in + kAddress3At);
    settings.parameterByte = in[kByteAt];
    settings.parameterWord1 = GetLe16(in + kWord1At);
    settings.parameterWord2 = GetLe16(in + kWord2At);
    return settings;
}

} // namespace qbx
