#include "sim/device_state.h"

#include <algorithm>

namespace qbx::sim {

namespace {

constexpr std::size_t kStatusAt = 0;
constexpr std::size_t kKindAt = 1;
constexpr std::size_t kTextAAt = 2;
constexpr std::size_t kTextBAt = 10;
constexpr std::size_t kSizeAt = 18;
constexpr std::size_t kDescriptionAt = 21;

constexpr std::size_t kAddress1At = 0;
constexpr std::size_t kAddress2At = 4;
constexpr std::size_t kAddress3At = 8;
constexpr std::size_t kParameterByteAt = 12;
constexpr std::size_t kWord1At = 13;
constexpr std::size_t kWord2At = 15;

void PutAddress(std::uint8_t* at, const CAddress& address) {
    std::reverse_copy(address.begin(), address.end(), at);
}

CAddress GetAddress(const std::uint8_t* at) {
    CAddress address{};
    std::reverse_copy(at, at + address.size(), address.begin());
    return address;
}

} // namespace

void CHeaderRecord::EncodeShort(std::uint8_t* out) const {
    out[kStatusAt] = status;
    out[kKindAt] = kind;
    std::copy(textA.begin(), textA.end(), out + kTextAAt);
    std::copy(textB.begin(), textB.end(), out + kTextBAt);
    PutLe24(out + kSizeAt, size);
}

void CHeaderRecord::Encode(std::uint8_t* out) const {
    EncodeShort(out);
    std::copy(description.begin(), description.end(), out + kDescriptionAt);
}

CHeaderRecord CHeaderRecord::DecodeShort(const std::uint8_t* in) {
    CHeaderRecord header;
    header.status = in[kStatusAt];
    header.kind = in[kKindAt];
    std::copy(in + kTextAAt, in + kTextAAt + kTextFieldSize, header.textA.begin());
    std::copy(in + kTextBAt, in + kTextBAt + kTextFieldSize, header.textB.begin());
    header.size = GetLe24(in + kSizeAt);
    return header;
}

CHeaderRecord CHeaderRecord::Decode(const std::uint8_t* in) {
    CHeaderRecord header = DecodeShort(in);
    std::copy(in + kDescriptionAt, in + kDescriptionAt + kDescriptionSize, header.description.begin());
    return header;
}

void CNetworkRecord::Encode(std::uint8_t* out) const {
    PutAddress(out + kAddress1At, address1);
    PutAddress(out + kAddress2At, address2);
    PutAddress(out + kAddress3At, address3);
    out[kParameterByteAt] = parameterByte;
    PutLe16(out + kWord1At, parameterWord1);
    PutLe16(out + kWord2At, parameterWord2);
}

CNetworkRecord CNetworkRecord::Decode(const std::uint8_t* in) {
    CNetworkRecord record;
    record.address1 = GetAddress(in + kAddress1At);
    record.address2 = GetAddress(in + kAddress2At);
    record.address3 = GetAddress(in + kAddress3At);
    record.parameterByte = in[kParameterByteAt];
    record.parameterWord1 = GetLe16(in + kWord1At);
    record.parameterWord2 = GetLe16(in + kWord2At);
    return record;
}

} // namespace qbx::sim
