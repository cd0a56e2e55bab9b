#pragma once
#include "formats/function_data_image.h"
#include "link/slot_header.h"
#include "link/transport.h"
#include "operations/forwarding_host.h"

#include <cstdint>
#include <optional>

// Verify after write: what a device stored, read back over the link the
// write used, compared with what was sent.
namespace qbx {

// The first offset at which `stored` differs from `sent`; an image of
// another length differs where the shorter one ends.
std::optional<std::uint32_t> FirstDifference(const FunctionDataImage& sent, const FunctionDataImage& stored);

// True when both headers give the same 53 bytes on the wire: what the
// device keeps of them, texts cut and padded as it does.
bool SameStoredHeader(const SlotHeader& sent, const SlotHeader& stored);

// Reads slot `slot` back after its upload and compares header and data
// with `header` and `image`. A read that fails shows its own text under
// upload message 2.202, a difference 2.200 or 2.201.
bool VerifyUploadedSlot(CTransport& transport, COperationHost& host, int slot, const SlotHeader& header,
                        const FunctionDataImage& image);

// Passes every call on to another host, except that every message gets
// the number `number`: a step borrowed from another operation reports
// under the caller's own number, with the step's text.
class CRenumberingHost : public CForwardingHost {
  public:
    CRenumberingHost(COperationHost& inner, int number) : CForwardingHost(inner), shown(number) {}
    void ShowMessage(int, int stringId, const std::vector<MessageArg>& args = {}) override {
        inner.ShowMessage(shown, stringId, args);
    }
    void ShowMessageText(int, const std::string& text) override { inner.ShowMessageText(shown, text); }
    bool AskQuestion(int, int stringId, const std::vector<MessageArg>& args = {}) override {
        return inner.AskQuestion(shown, stringId, args);
    }

  private:
    const int shown;
};

} // namespace qbx
