#include "bench/soak/soak_plan.h"

#include "bench/soak/soak_random.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace soak {
namespace {

constexpr std::uint32_t kLargest = 0x1000; // keeps each transfer in milliseconds
constexpr std::uint32_t kDeviceBlock = 64; // the simulator's default request size
constexpr int kNoFaultShare = 10;          // percent of the transfers that run clean

unsigned Bit(Kind kind) {
    return 1u << static_cast<int>(kind);
}

constexpr unsigned kAll = 0xFFu;
const unsigned kUploads = Bit(Kind::SlotUpload) | Bit(Kind::OsUpdate) | Bit(Kind::FirmwareSerial) |
                          Bit(Kind::FirmwareLinkbox) | Bit(Kind::WebPage) | Bit(Kind::BootDataWrite);
const unsigned kReads = Bit(Kind::SlotDownload) | Bit(Kind::BootDataRead);
const unsigned kUpdates = Bit(Kind::OsUpdate) | Bit(Kind::FirmwareSerial) | Bit(Kind::FirmwareLinkbox);
const unsigned kStores = Bit(Kind::SlotUpload) | Bit(Kind::BootDataWrite);

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

std::string Number(long value) {
    return std::to_string(value);
}

// The request codes each kind sends, whose answers the simulator can spoil.
std::vector<std::string> Codes(Kind kind) {
    switch (kind) {
    case Kind::SlotDownload:
        return {"18", "40", "41", "F2"};
    case Kind::SlotUpload:
        return {"18", "40", "42", "2F"};
    case Kind::OsUpdate:
        return {"18", "46", "1F"};
    case Kind::FirmwareSerial:
    case Kind::FirmwareLinkbox:
        return {"18", "3F"};
    case Kind::WebPage:
        return {"18", "5F"};
    case Kind::BootDataRead:
        return {"18", "43", "F4"};
    case Kind::BootDataWrite:
        return {"18", "44", "4F"};
    }
    return {"18"};
}

struct Draw {
    CRandom& random;
    TransferPlan& plan;
    int blocks; // device requests of the data phase
};

struct FaultKind {
    const char* name;
    unsigned kinds;
    bool modeSwitching; // only for a device that switches its mode
    std::function<void(Draw&)> draw;
};

void Args(Draw& d, const std::vector<std::string>& args, int strikes) {
    d.plan.faultArgs.insert(d.plan.faultArgs.end(), args.begin(), args.end());
    d.plan.strikes += strikes;
}

// Identities that the program must refuse or treat as another family.
const char* const kIdentities[] = {"11:0", "12:0", "A3:130", "A2:30", "A2:20", "A3:100", "A8:30", "55:1"};

const std::vector<FaultKind>& Catalog() {
    static const std::vector<FaultKind> catalog = {
        {"silent", kAll, false,
         [](Draw& d) {
             int n = d.random.Between(1, 3);
             Args(d, {"--silent", Number(n)}, n);
         }},
        {"bad-sum", kAll, false,
         [](Draw& d) {
             int n = d.random.Between(1, 6);
             Args(d, {"--bad-sum", Number(n)}, n);
         }},
        {"wrong-ack", kAll, false,
         [](Draw& d) {
             int n = d.random.Between(1, 6);
             Args(d, {"--wrong-ack", Number(n)}, n);
         }},
        {"drop-after", kAll, false,
         [](Draw& d) {
             Args(d, {"--drop-after", Number(d.random.Between(0, 2 * d.blocks + 8))}, 1);
         }},
        {"device-error", kAll, false,
         [](Draw& d) {
             Args(d,
                  {"--device-error",
                   Number(d.random.Between(1, 255)) + "@" + Number(d.random.Between(1, d.blocks + 1))},
                  1);
         }},
        {"refuse-data", kAll, false, [](Draw& d) { Args(d, {"--refuse-data"}, 1); }},
        {"busy", kUploads, false,
         [](Draw& d) {
             std::vector<std::string> args;
             for (int i = d.random.Between(1, 2); i > 0; --i) {
                 args.insert(args.end(), {"--busy", Number(d.random.Between(1, 20)) + "@" +
                                                        Number(d.random.Between(1, d.blocks + 1))});
             }
             Args(d, args, 0);
         }},
        {"short-reply", kAll, false,
         [](Draw& d) {
             const auto codes = Codes(d.plan.kind);
             Args(d,
                  {"--short-reply", codes[d.random.Below(codes.size())] + ":" +
                                        Number(d.random.Between(0, 8)) + ":" +
                                        Number(d.random.Between(1, 6))},
                  6);
         }},
        {"split-reply", kAll, false,
         [](Draw& d) {
             const auto codes = Codes(d.plan.kind);
             Args(d,
                  {"--split-reply", codes[d.random.Below(codes.size())] + ":" +
                                        Number(d.random.Between(1, 8)) + ":" +
                                        Number(d.random.Between(1, 2))},
                  2);
         }},
        {"surplus", kAll, false,
         [](Draw& d) {
             const auto codes = Codes(d.plan.kind);
             Args(d,
                  {"--surplus", codes[d.random.Below(codes.size())] + ":" + Number(d.random.Between(1, 8)) +
                                    ":" + Number(d.random.Between(1, 3))},
                  3);
         }},
        {"ident", kAll, false,
         [](Draw& d) {
             Args(d, {"--ident", kIdentities[d.random.Below(sizeof kIdentities / sizeof *kIdentities)]}, 1);
         }},
        {"nak-end", kReads, false,
         [](Draw& d) {
             int n = d.random.Between(1, 6);
             Args(d, {"--nak-end", Number(n)}, n);
         }},
        {"bad-end-sum", Bit(Kind::SlotUpload), false,
         [](Draw& d) {
             int n = d.random.Between(1, 6);
             Args(d, {"--bad-end-sum", Number(n)}, n);
         }},
        {"extra-request", kStores, false,
         [](Draw& d) {
             // Mostly near the data, now and then far out.
             std::uint32_t address =
                 d.random.Below(8) == 0 ? d.random.Below(0x1000000) : d.random.Below(d.plan.size + 0x80);
             Args(d,
                  {"--extra-request", Number(d.random.Between(1, d.blocks + 1)) + "=" + Hex(address) + ":" +
                                          Number(d.random.Between(1, 255))},
                  1);
         }},
        // Not a fault but a device of another request size: updates take
        // at most 64 bytes a request and must refuse more.
        {"block", kUploads, false,
         [](Draw& d) {
             Args(d, {"--block", Number(d.random.Between(1, kUpdates & Bit(d.plan.kind) ? 80 : 255))}, 1);
         }},
        {"descending", Bit(Kind::SlotUpload), false, [](Draw& d) { Args(d, {"--descending"}, 0); }},
        {"flip-stored", kStores, false,
         [](Draw& d) {
             d.plan.verify = true; // only a read-back can see it
             d.plan.flipAt = d.random.Below(d.plan.size + 16);
             Args(d, {"--flip-stored", Hex(static_cast<std::uint32_t>(d.plan.flipAt))}, 1);
         }},
        {"ask-again", kUpdates, false,
         [](Draw& d) {
             Args(d, {"--ask-again", Number(d.random.Between(1, d.blocks))}, 1);
         }},
        {"skip-after", kUpdates, false,
         [](Draw& d) {
             const int k = d.random.Between(1, d.blocks);
             const std::uint32_t from = std::min(d.plan.size, static_cast<std::uint32_t>(k) * kDeviceBlock);
             d.plan.skipFrom = from;
             d.plan.skipTo = std::min(d.plan.size, from + kDeviceBlock);
             Args(d, {"--skip-after", Number(k)}, 0);
         }},
        {"refuse-switch", kAll, true, [](Draw& d) { Args(d, {"--refuse-switch"}, 1); }},
        {"switch-lands", kAll, true,
         [](Draw& d) {
             Args(d, {"--switch-lands", d.random.Below(2) ? "80" : "A5"}, 1);
         }},
    };
    return catalog;
}

bool Applies(const FaultKind& fault, Kind kind, const std::string& deviceKind) {
    return (fault.kinds & Bit(kind)) != 0 && (!fault.modeSwitching || deviceKind == "A8");
}

// Only the slot transfers and the OS update meet devices that switch modes.
std::string DeviceKind(Kind kind, CRandom& random) {
    switch (kind) {
    case Kind::SlotDownload:
    case Kind::SlotUpload:
    case Kind::OsUpdate:
        return random.Below(5) == 0 ? "A8" : "A2";
    case Kind::FirmwareSerial:
        return "A2";
    default:
        return "A3";
    }
}

} // namespace

const char* KindName(Kind kind) {
    static const char* const names[kKindCount] = {"slot download", "slot upload",  "OS update",
                                                  "firmware A2",   "firmware A3",  "web page",
                                                  "data read A3",  "data write A3"};
    return names[static_cast<int>(kind)];
}

int MessageGroup(Kind kind) {
    static const int groups[kKindCount] = {1, 2, 4, 3, 3, 11, 12, 12};
    return groups[static_cast<int>(kind)];
}

std::vector<std::string> FaultsFor(Kind kind, const std::string& deviceKind) {
    std::vector<std::string> names = {"none"};
    for (const FaultKind& fault : Catalog())
        if (Applies(fault, kind, deviceKind)) names.push_back(fault.name);
    return names;
}

TransferPlan PlanTransfer(std::uint64_t seed, long index, int maxFaults) {
    TransferPlan plan;
    plan.seed = seed;
    plan.index = index;
    plan.maxFaults = maxFaults;
    plan.kind = static_cast<Kind>(index % kKindCount);
    plan.serial = (index / kKindCount) % 2 == 1;
    CRandom random(seed, index);
    plan.deviceKind = DeviceKind(plan.kind, random);
    plan.size = random.Between(1, kLargest);
    plan.dataSeed = static_cast<std::uint32_t>(random.Next());
    plan.oldTarget = random.Below(2) == 0;
    if (plan.kind == Kind::SlotUpload || plan.kind == Kind::BootDataWrite) {
        plan.oldSize = random.Between(1, kLargest);
        plan.verify = random.Below(4) == 0;
    }
    if (random.Below(100) < kNoFaultShare) return plan;

    std::vector<const FaultKind*> open;
    for (const FaultKind& fault : Catalog())
        if (Applies(fault, plan.kind, plan.deviceKind)) open.push_back(&fault);
    Draw draw{random, plan, static_cast<int>((plan.size + kDeviceBlock - 1) / kDeviceBlock)};
    plan.fault.clear();
    for (int n = maxFaults > 1 ? random.Between(1, maxFaults) : 1; n > 0 && !open.empty(); --n) {
        const std::size_t pick = random.Below(open.size());
        plan.fault += (plan.fault.empty() ? "" : "+") + std::string(open[pick]->name);
        open[pick]->draw(draw);
        open.erase(open.begin() + static_cast<long>(pick));
    }
    return plan;
}

std::vector<std::string> SimArguments(const TransferPlan& plan) {
    std::vector<std::string> args =
        plan.serial ? std::vector<std::string>{"--pty"} : std::vector<std::string>{"--tcp", "0"};
    args.insert(args.end(), {"--kind", plan.deviceKind});
    switch (plan.kind) {
    case Kind::SlotDownload:
        args.insert(args.end(), {"--slot", "2=Alt:" + Hex(plan.size)});
        break;
    case Kind::SlotUpload:
        args.insert(args.end(), {"--slot", "2=Alt:" + Hex(plan.oldSize)});
        break;
    // The device asks for the image the file holds: a controller's own
    // size would be far larger than a soak transfer should move.
    case Kind::OsUpdate:
        args.insert(args.end(), {"--os-size", Hex(plan.size)});
        break;
    case Kind::FirmwareSerial:
    case Kind::FirmwareLinkbox:
        args.insert(args.end(), {"--firmware-size", Hex(plan.size)});
        break;
    case Kind::BootDataRead:
        args.insert(args.end(), {"--boot-data", "Alt:" + Hex(plan.size)});
        break;
    case Kind::BootDataWrite:
        args.insert(args.end(), {"--boot-data", "Alt:" + Hex(plan.oldSize)});
        break;
    default:
        break;
    }
    args.insert(args.end(), plan.faultArgs.begin(), plan.faultArgs.end());
    return args;
}

std::string ReplayArguments(const TransferPlan& plan) {
    std::string text = "--seed " + std::to_string(plan.seed);
    if (plan.maxFaults != 1) text += " --faults " + std::to_string(plan.maxFaults);
    return text + " --only " + std::to_string(plan.index);
}

std::string Describe(const TransferPlan& plan) {
    std::string text = std::string(KindName(plan.kind)) + " over " + (plan.serial ? "pty" : "tcp") + ", " +
                       plan.deviceKind + ", " + Hex(plan.size) + " bytes";
    if (plan.oldSize) text += " (held " + Hex(plan.oldSize) + ")";
    if (plan.oldTarget && (plan.kind == Kind::SlotDownload || plan.kind == Kind::BootDataRead))
        text += ", old file at the target";
    if (plan.verify) text += ", verified";
    text += ", fault " + plan.fault;
    for (const std::string& arg : plan.faultArgs)
        text += " " + arg;
    return text;
}

} // namespace soak
