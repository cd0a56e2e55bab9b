#pragma once
#include "fuzz_check.h"
#include "link/transport.h"
#include "operations/connection.h"
#include "operations/operation_host.h"

#include <memory>

// The receive paths: every read of an operation is answered from the fuzzer's
// bytes, every write is taken whole, and nothing waits.
namespace qbx::fuzz {

// Seeds are made by letting the simulator's engine answer instead of the
// fuzzer's bytes (see seed_main.cpp); what it answered becomes the input.
class ISeedDevice {
  public:
    virtual ~ISeedDevice() = default;
    virtual void NewLine() = 0;
    virtual void Receive(const std::uint8_t* data, std::size_t len) = 0;
    // Up to `len` bytes of the device's answers, recorded; 0 when it is quiet.
    virtual int Answer(std::uint8_t* data, int len) = 0;
};
// Null while fuzzing.
extern ISeedDevice* seedDevice;
// Messages shown by every CCountingHost, so that the seed maker can tell
// which runs went through.
extern int messagesShown;

// The device's side of the conversation: the bytes the device sends, shared
// by every link an operation opens one after the other.
struct DeviceReplies {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t position = 0;
    std::size_t written = 0; // bytes the operation sent

    // One byte, 0 when the replies are used up.
    std::uint8_t Take() { return position < size ? data[position++] : 0; }
};

// Reads get the next replies, as many as asked or fewer when they run out
// (a time-out); writes succeed. The longest frame decides whether a read
// is in bounds.
class CFuzzTransport : public CTransport {
  public:
    CFuzzTransport(DeviceReplies& replies, bool network) : replies(replies), network(network) {
        if (seedDevice) seedDevice->NewLine();
    }

    bool IsNetwork() const override { return network; }
    int Open(int& error) override {
        error = 0;
        return kOpenOk;
    }
    void Close() override {}
    int Write(const std::uint8_t* data, int len) override;
    int Read(std::uint8_t* data, int len) override;
    void Pause(int) override {}

  private:
    DeviceReplies& replies;
    bool network;
};

// Counts the messages an operation shows and answers every question Yes.
class CCountingHost : public COperationHost {
  public:
    void ShowMessage(int number, int stringId, const std::vector<MessageArg>& args = {}) override;
    void ShowMessageText(int number, const std::string& text) override;
    bool AskQuestion(int number, int stringId, const std::vector<MessageArg>& args = {}) override;
    std::string String(int stringId) override;

    int messages = 0;
    int questions = 0;
    bool yes = true;
};

// Connect options whose links are CFuzzTransports over `replies`, with fixed
// settings (serial or TCP as `network` says) and no waits.
ConnectOptions FuzzOptions(DeviceReplies& replies, bool network);

// A failed operation shows exactly one message, a successful one none.
inline void CheckOutcome(bool succeeded, const CCountingHost& host) {
    if (succeeded) {
        FUZZ_CHECK(host.messages == 0);
    } else {
        FUZZ_CHECK(host.messages == 1);
    }
}

// The same, except that an operation the person stopped by answering No to
// its question may end with no message (or the one it met before asking).
inline void CheckOutcomeUnlessDeclined(bool succeeded, const CCountingHost& host) {
    if (!succeeded && !host.yes && host.questions > 0) {
        FUZZ_CHECK(host.messages <= 1);
        return;
    }
    CheckOutcome(succeeded, host);
}

} // namespace qbx::fuzz
