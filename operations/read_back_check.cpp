#include "operations/read_back_check.h"

#include "link/protocol_constants.h"
#include "link/slot_commands.h"
#include "operations/download_transfer.h"
#include "operations/string_ids.h"
#include "operations/upload_transfer_messages.h"

#include <algorithm>
#include <array>

namespace qbx {

std::optional<std::uint32_t> FirstDifference(const FunctionDataImage& sent, const FunctionDataImage& stored) {
    const std::vector<std::uint8_t>& a = sent.Data();
    const std::vector<std::uint8_t>& b = stored.Data();
    const std::size_t common = std::min(a.size(), b.size());
    const auto at = std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(common), b.begin());
    const std::size_t offset = static_cast<std::size_t>(at.first - a.begin());
    if (offset == common && a.size() == b.size()) return std::nullopt;
    return static_cast<std::uint32_t>(offset);
}

bool SameStoredHeader(const SlotHeader& sent, const SlotHeader& stored) {
    std::array<std::uint8_t, record::kHeaderSize> a{}, b{};
    EncodeSlotHeader(sent, a.data());
    EncodeSlotHeader(stored, b.data());
    return a == b;
}

bool VerifyUploadedSlot(CTransport& transport, COperationHost& host, int slot, const SlotHeader& header,
                        const FunctionDataImage& image) {
    using namespace upload_transfer;
    SlotHeader stored;
    if (!SelectSlot(transport, static_cast<std::uint8_t>(slot)) || !ReadSlotHeader(transport, stored)) {
        host.ShowMessage(kVerifyNotRead, str::kNoAnswer);
        return false;
    }
    if (!SameStoredHeader(header, stored)) {
        host.ShowMessage(kVerifyHeaderDiffers, str::kVerifyHeaderDiffers);
        return false;
    }
    FunctionDataImage back;
    back.Prepare(image.Header());
    CRenumberingHost renumbered(host, kVerifyNotRead);
    if (!ReceiveDownloadData(transport, renumbered, back)) return false;
    if (const auto at = FirstDifference(image, back)) {
        host.ShowMessage(kVerifyDataDiffers, str::kVerifySlotDiffers,
                         {static_cast<long long>(slot), static_cast<long long>(*at)});
        return false;
    }
    return true;
}

} // namespace qbx
