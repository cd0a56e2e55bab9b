#pragma once
#include "operations/connection.h"
#include "operations/operation_host.h"
#include "operations/transfer_messages.h"

#include <cstdint>
#include <memory>
#include <string>

// Steps that the upload and the download of a slot take alike.
namespace qbx::transfer {

// Each call site maps the result of its SendFrame or ReceiveBlock, or the
// device's error code, to its own message.
void ReportSendFailure(COperationHost& host, const SendMessages& messages, int result);
// For a frame that carried the "!C" held for the block before it: that
// ack's failure shows as the block's.
void ReportSendFailure(COperationHost& host, const SendMessages& messages, int result,
                       const ReceiveMessages& ackedBlock);
void ReportReceiveFailure(COperationHost& host, const ReceiveMessages& messages, int result);
// Writes a "!C" still held for the block before on its own, for a way on
// that sends no frame first; false, with that block's ack failure shown,
// when it does not go out.
bool FlushHeldAck(CTransport& transport, COperationHost& host, const ReceiveMessages& ackedBlock);
void ReportDeviceError(COperationHost& host, const DeviceErrorMessages& messages, std::uint8_t code);

// "%04X / %04X": the offset of the current block and the data size.
std::string ProgressText(std::uint32_t offset, std::uint32_t size);
// "%4d".
std::string SlotNumberText(int slot);
// The upper end of a progress bar from 1 over `size` bytes: a bar from 1 to
// 0 has no room, so an empty file or image shows a bar of one.
inline std::uint32_t ProgressBarEnd(std::uint32_t size) {
    return size == 0 ? 1 : size;
}
// The file's name without its folder and its extension.
std::string PathTitle(const std::string& path);

// Connect, which also tells the host (status 11501) once the person has
// agreed to switch the bootloader's mode, before the switch is sent.
ConnectResult ConnectForTransfer(COperationHost& host, const ConnectMessages& messages,
                                 const ConnectOptions& options, std::unique_ptr<CTransport>& transport,
                                 BootloaderId& id);
// CheckBootloader over an open link with the caller's messages for it
// (checkNoAnswer, checkUnsupported). False after its message.
bool CheckConnectedBootloader(COperationHost& host, const ConnectMessages& messages, CTransport& transport);

// Shows the wait cursor while it lives; the normal one again on every way out.
class CWaitCursor {
  public:
    explicit CWaitCursor(COperationHost& host) : host(host) { host.SetWaitCursor(true); }
    ~CWaitCursor() { host.SetWaitCursor(false); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // After the events were pumped, which may have reset the cursor.
    void Again() { host.SetWaitCursor(true); }

  private:
    COperationHost& host;
};

} // namespace qbx::transfer
