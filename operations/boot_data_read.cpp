#include "link/framing.h"
#include "link/protocol_constants.h"
#include "operations/block_read.h"
#include "operations/boot_data_messages.h"
#include "operations/boot_data_steps.h"
#include "operations/boot_data_transfer.h"
#include "operations/string_ids.h"
#include "operations/transfer_steps.h"

#include <algorithm>
#include <array>

namespace qbx {
namespace {

using namespace boot_data;
inline constexpr BlockReadMessages kBlockRead = {.request = kBlockRequest,
                                                 .reply = kBlockReply,
                                                 .refused = kRefused,
                                                 .deviceError = kReadDeviceError,
                                                 .unexpected = kReadUnexpected,
                                                 .data = kBlockData,
                                                 .endFrame = kEndFrame};

} // namespace

bool boot_data::ReadBootDataImage(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
                                  FunctionDataImage& image) {
    return ReadImageBlocks(transport, host, wait, image, command::kBootDataRead, kBlockRead);
}

bool RunBootDataRead(COperationHost& host, BootDataJob& job, const ConnectOptions& options) {
    transfer::CWaitCursor wait(host);
    std::unique_ptr<CTransport> transport;
    if (!ConnectToLinkbox(host, kReadConnect, kReadNotLinkbox, options, transport)) return false;
    ShowStarting(host, job.image.Header().dataSize);
    transport->Pause(kPauseBeforeDataMs);
    if (!ReadBootDataImage(*transport, host, wait, job.image)) return false;
    transport.reset();
    // Only a complete image reaches the file, which is replaced as a whole.
    if (!job.image.Save(job.path)) {
        host.ShowMessage(kNotSaved, str::kCannotSave, {job.path});
        return false;
    }
    return true;
}

} // namespace qbx
