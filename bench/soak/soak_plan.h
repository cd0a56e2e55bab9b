#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What one transfer of the soak run does, drawn from the run's seed and the
// transfer's index alone, so that any transfer can be replayed by itself.
namespace soak {

enum class Kind {
    SlotDownload,
    SlotUpload,
    OsUpdate,
    FirmwareSerial,
    FirmwareLinkbox,
    WebPage,
    BootDataRead,
    BootDataWrite,
};
inline constexpr int kKindCount = 8;

const char* KindName(Kind kind);
// The message group of the operation: what "G" is in "G.NNN".
int MessageGroup(Kind kind);

struct TransferPlan {
    std::uint64_t seed = 0;
    long index = 0;
    int maxFaults = 1;
    Kind kind = Kind::SlotDownload;
    bool serial = false;
    std::string deviceKind = "A2"; // qbx-sim --kind
    std::uint32_t size = 0;        // bytes the transfer moves
    std::uint32_t oldSize = 0;     // what the slot or device image held before, 0 for nothing
    bool oldTarget = false;        // a file sits at the download's target already
    bool verify = false;           // uploads and data-image writes read back
    std::string fault = "none";    // with several faults their names joined by '+'
    std::vector<std::string> faultArgs;
    int strikes = 0; // how many times the fault may strike: reads it may leave waiting
    // The update phases: a block the device leaves out stays 0xFF there.
    std::uint32_t skipFrom = 0, skipTo = 0;
    // A stored upload or data image: the byte the device inverts as it keeps it.
    long flipAt = -1;
    std::uint32_t dataSeed = 0; // the bytes of the files and seeds
};

// The kind and the line follow from the index, so that every kind runs
// over both lines equally often; the rest comes from the seed. A transfer
// with faults gets one to `maxFaults` different ones at once.
TransferPlan PlanTransfer(std::uint64_t seed, long index, int maxFaults = 1);

// The fault names a kind can draw, "none" included.
std::vector<std::string> FaultsFor(Kind kind, const std::string& deviceKind);

// The simulator's arguments: line, kind, seeds and fault.
std::vector<std::string> SimArguments(const TransferPlan& plan);

// "--seed S --only INDEX" (with --faults where it was given): the
// arguments that replay the transfer.
std::string ReplayArguments(const TransferPlan& plan);

// "slot upload over pty, A8, 0x1234 bytes, --busy 3@2": for replay reports.
std::string Describe(const TransferPlan& plan);

} // namespace soak
