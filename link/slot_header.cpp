#include "link/slot_header.h"

#include "link/protocol_constants.h"
#include "link/wire_bytes.h"

#include <algorithm>
#include <cstring>

namespace qbx {
namespace {

constexpr int kStatusAt = 0;
constexpr int kKindAt = 1;
constexpr int kTextAAt = 2;
constexpr int kTextBAt = kTextAAt + record::kShortTextSize;
constexpr int kSizeAt = kTextBAt + record::kShortTextSize;
constexpr int kDescriptionAt = kSizeAt + 3;
static_assert(kDescriptionAt == record::kShortHeaderSize);
static_assert(kDescriptionAt + record::kDescriptionSize == record::kHeaderSize);

void PutText(std::uint8_t* field, int width, const std::string& text) {
    std::memset(field, 0, static_cast<size_t>(width));
    std::memcpy(field, text.data(), std::min(text.size(), static_cast<size_t>(width)));
}

std::string GetText(const std::uint8_t* field, int width) {
    const std::uint8_t* end = std::find(field, field + width, 0);
    return std::string(field, end);
}

} // namespace

void EncodeShortHeader(const SlotHeader& header, std::uint8_t* out) {
    out[kStatusAt] = header.status;
    out[kKindAt] = header.kind;
    PutText(out + kTextAAt, record::kShortTextSize, header.textA);
    PutText(out + kTextBAt, record::kShortTextSize, header.textB);
    PutLe24(out + kSizeAt, header.size);
}

void EncodeSlotHeader(const SlotHeader& header, std::uint8_t* out) {
    EncodeShortHeader(header, out);
    PutText(out + kDescriptionAt, record::kDescriptionSize, header.description);
}

SlotHeader DecodeSlotHeader(const std::uint8_t* in) {
    SlotHeader header;
    header.status = in[kStatusAt];
    header.kind = in[kKindAt];
    header.textA = GetText(in + kTextAAt, record::kShortTextSize);
    header.textB = GetText(in + kTextBAt, record::kShortTextSize);
    header.size = GetLe24(in + kSizeAt);
    header.description = GetText(in + kDescriptionAt, record::kDescriptionSize);
    return header;
}

} // namespace qbx
