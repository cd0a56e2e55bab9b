#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>

// Faults the simulated device injects on demand. Counters run down as they
// are used and stay spent across connections, so "the next N" means the
// next N of the whole run.
namespace qbx::sim {

struct CHeaderRecord;

struct CIdentity {
    std::uint8_t type = 0;
    std::uint8_t version = 0;
};

// A device error frame sent in place of block `block` (1 = the first) of the
// next data phase that gets that far.
struct CDeviceError {
    std::uint8_t code = 0;
    int block = 1;
};

// An extra request of an upload: COUNT bytes at ADDRESS, asked for in front
// of the request that was due.
struct CExtraRequest {
    std::uint32_t address = 0;
    std::uint8_t count = 0; // 0 = the device's block size
};

// How the answer to one request code is spoilt, and how many more times.
struct CReplyShape {
    std::size_t bytes = 0; // short: bytes kept; split: bytes of the first piece; surplus: bytes added
    int times = 1;
};

class CFaultPlan {
  public:
    // Busy frames an upload sends before its device frame number K (the
    // key; 1 = the first request, the end frame counts as the last).
    std::map<int, int> busyBefore;
    int badSums = 0;                         // checksummed answers sent with a wrong sum
    int silentRequests = 0;                  // requests swallowed without an answer
    int wrongAcks = 0;                       // acknowledgements replaced by other bytes
    int dropAfter = -1;                      // requests served before the line is cut; -1 = never
    bool refuseSwitch = false;               // mode switch answered with a refusal
    std::optional<std::uint8_t> switchLands; // a granted mode switch ends in this mode instead
    bool refuseData = false;                 // data phases answered with a refusal
    std::optional<CIdentity> identity;       // identification answered with these instead
    std::optional<CDeviceError> deviceError;
    // Extra requests of the next upload, by device frame number (1 = the first).
    std::map<int, CExtraRequest> extraRequests;
    bool descending = false;   // uploads ask for their blocks from the last to the first
    int badEndSums = 0;        // upload end frames sent with a wrong sum
    int nakEnds = 0;           // end frames of the program answered 0x00 0xFF
    int wrongConfigEchoes = 0; // configuration writes echoed with another value, not stored
    std::map<std::uint8_t, CReplyShape> shortReplies;   // by request code
    std::map<std::uint8_t, CReplyShape> splitReplies;   // by request code
    std::map<std::uint8_t, CReplyShape> surplusReplies; // by request code
    // The byte at this address of the next stored upload or boot data image
    // is inverted as it is kept, so that reading it back shows the change.
    std::optional<std::uint32_t> flipStored;
    // The byte at this offset (0..52) of the header record kept with the next
    // stored upload or boot data image is inverted, so that reading the header
    // back shows the change.
    std::optional<std::size_t> flipStoredHeader;
    // The device restarts once it has stored the next upload or boot data
    // image: the next request finds the line cut.
    bool cutAfterStore = false;

    // Each Take* reports whether the fault strikes now and uses it up.
    bool TakeBusy(int frameNumber);
    bool TakeBadSum() { return Take(badSums); }
    bool TakeSilence() { return Take(silentRequests); }
    bool TakeWrongAck() { return Take(wrongAcks); }
    bool TakeBadEndSum() { return Take(badEndSums); }
    bool TakeNakEnd() { return Take(nakEnds); }
    bool TakeWrongConfigEcho() { return Take(wrongConfigEchoes); }
    std::optional<CExtraRequest> TakeExtraRequest(int frameNumber);
    // Spoils `image` as the flip asks, when it is due and the address lies
    // within the image. Strikes once.
    template <typename Bytes> void TakeFlip(Bytes& image) {
        if (!flipStored || *flipStored >= image.size()) return;
        image[*flipStored] = static_cast<std::uint8_t>(~image[*flipStored]);
        flipStored.reset();
    }
    // An image and its header have just been stored: spoils the kept header
    // as the header flip asks and arms the cut after a store. Each strikes once.
    void Stored(CHeaderRecord& kept);
    // The byte count of a shape due for the answer to `code`, used up.
    static std::optional<std::size_t> TakeShape(std::map<std::uint8_t, CReplyShape>& shapes,
                                                std::uint8_t code);
    // The error code when the device error is due at block `blockNumber`
    // of the current data phase. Strikes once.
    std::optional<std::uint8_t> TakeDeviceError(int blockNumber);
    // Counts one arriving request; true when the line must be cut instead of
    // serving it. Strikes once.
    bool TakeDrop();

  private:
    static bool Take(int& counter);
    int served = 0;
    bool cutDue = false; // armed by a store when cutAfterStore was asked for
};

} // namespace qbx::sim
