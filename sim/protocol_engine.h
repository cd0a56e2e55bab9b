#pragma once
#include <functional>
#include <map>
#include <optional>

#include "sim/device_frame.h"
#include "sim/device_profile.h"
#include "sim/device_side.h"
#include "sim/device_state.h"
#include "sim/faults.h"

// The bootloader's request loop: splits the byte stream into requests, runs
// the command registered for each code, and keeps track of what the device
// waits for next (a command, the program's "!C", or a block of data). End
// frames from the program (kind 0x60) close the data phase it drove and are
// acknowledged here.
namespace qbx::sim {

// A reply as a command builds it, marked so that the fault plan can spoil
// its acknowledgement or its checked sum.
struct CAnswer {
    CBytes bytes;
    bool ackFirst = false;  // begins with "!C"
    int sumAt = -1;         // index of a sum the program verifies, or -1
    bool uploadEnd = false; // the end frame of an upload (--bad-end-sum)
};

class CProtocolEngine : public IDeviceSide {
  public:
    using CFrameHandler = std::function<void(CProtocolEngine&, const CFrame&)>;
    using CBlockHandler = std::function<void(CProtocolEngine&, const CBytes&)>;
    using CAckHandler = std::function<void(CProtocolEngine&)>;
    using CModeQueryHandler = std::function<void(CProtocolEngine&)>;
    using CModeSwitchHandler = std::function<void(CProtocolEngine&, std::uint8_t wanted)>;

    CProtocolEngine(const CDeviceProfile& profile, CDeviceState& state, CFaultPlan& faults,
                    IDeviceLine& line);

    void Register(std::uint8_t code, CFrameHandler handler) { frameHandlers[code] = std::move(handler); }
    void SetModeHandlers(CModeQueryHandler query, CModeSwitchHandler change);
    // Told after every change of the state, so that it can be persisted.
    void SetChangeListener(std::function<void()> listener) { changeListener = std::move(listener); }

    void Feed(const std::uint8_t* data, std::size_t len) override;
    bool WantsQuietCall() const override { return !input.empty(); }
    void OnQuiet() override;
    void OnNewLine() override;

    // For the commands.
    const CDeviceProfile& Profile() const { return profile; }
    CDeviceState& State() { return state; }
    CFaultPlan& Faults() { return faults; }
    int SelectedSlot() const { return selectedSlot; }
    void SelectSlot(int number) { selectedSlot = number; }
    // A slot header the program has written for the upload that follows;
    // the slot takes it together with the data. Forgotten with the line.
    void HoldHeader(int slot, const CHeaderRecord& header) { heldHeaders[slot] = header; }
    void DropHeldHeader(int slot) { heldHeaders.erase(slot); }
    // The same for the LINKBOX's data image: the header written for the
    // next data write, kept apart until that write completes.
    void HoldDeviceHeader(const CHeaderRecord& header) { heldDeviceHeader = header; }
    void DropHeldDeviceHeader() { heldDeviceHeader.reset(); }
    CHeaderRecord DeviceHeaderForWrite() const { return heldDeviceHeader.value_or(state.deviceHeader); }
    // The held header of `slot`, else the one it has.
    CHeaderRecord HeaderForUpload(int slot) const;
    void Changed();

    // Sends `answer` through the fault plan. The first answer to a request
    // may be cut short, split in two or followed by surplus bytes. With
    // `awaitAck` the device then waits for the program's "!C" (and sends the
    // answer again on 0x00 0xFF). False when an injected wrong acknowledgement
    // spoiled it, or an injected cut shortened it: the device then drops the
    // rest of the exchange.
    bool Answer(CAnswer answer, bool awaitAck, CAckHandler onAck = {});
    bool SendAck() { return Answer({{kAck0, kAck1}, true, -1}, false); }
    void SendNak() { line.Send({kNak0, kNak1}); }
    // Refusal frame for a request this device does not serve.
    void Refuse(const CFrame& request);
    // The next `len` bytes from the program go to `onBlock`.
    void ExpectBlock(std::size_t len, CBlockHandler onBlock);
    // Puts a block back in front of the input, to be read as a command: the
    // program has given up the exchange and this is its next request.
    void GiveBack(const CBytes& block);
    // Counts something complete from the program that the device answers (a
    // request, or a block of a data phase) against the drop and silence
    // faults; false when it must not be served.
    bool Admit();

  private:
    enum class EWait { Command, Ack, Block };

    void Process();
    bool Step();
    bool StepCommand();
    bool StepFrame();
    bool StepAck();
    bool StepBlock();
    bool StartsWithRequest() const;
    void Consume(std::size_t count) { input.erase(input.begin(), input.begin() + static_cast<long>(count)); }

    const CDeviceProfile profile;
    CDeviceState& state;
    CFaultPlan& faults;
    IDeviceLine& line;
    std::map<std::uint8_t, CFrameHandler> frameHandlers;
    CModeQueryHandler modeQuery;
    CModeSwitchHandler modeSwitch;
    std::function<void()> changeListener;

    CBytes input;
    EWait wait = EWait::Command;
    bool cut = false;
    std::size_t blockLength = 0;
    CBlockHandler blockHandler;
    CAckHandler ackHandler;
    CAnswer lastAnswer; // sent again when the program asks for it
    int selectedSlot = 1;
    std::map<int, CHeaderRecord> heldHeaders;
    std::optional<CHeaderRecord> heldDeviceHeader;
    // The code of the request being served, while its first answer is due.
    std::optional<std::uint8_t> shapeFor;
};

} // namespace qbx::sim
