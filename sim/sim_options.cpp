#include "sim/sim_options.h"

#include "sim/state_file.h"

#include <functional>
#include <map>

namespace qbx::sim {

namespace {

constexpr unsigned long kMaxCount = 1000000;
constexpr unsigned long kMaxBaud = 10000000;
constexpr unsigned long kMaxLatencyMs = 255; // the largest an FTDI adapter's timer takes
constexpr unsigned long kMaxQuietMs = 60000;
constexpr unsigned long kMaxReplyBytes = 1000; // longer than any answer
// The state file keeps received images of up to a megabyte.
constexpr unsigned long kMaxImageSize = 0x100000;

// Device bytes are written in hex as the protocol documents them ("A2", "0xC0").
bool ParseHexByte(const std::string& text, std::uint8_t& out) {
    const std::string digits = text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0 ? text.substr(2) : text;
    unsigned long value = 0;
    if (digits.empty() || digits.size() > 2 || !ParseNumber("0x" + digits, 0xFF, value)) return false;
    out = static_cast<std::uint8_t>(value);
    return true;
}

bool ParseCount(const std::string& text, int& out) {
    unsigned long value = 0;
    if (!ParseNumber(text, kMaxCount, value)) return false;
    out = static_cast<int>(value);
    return true;
}

bool ParseIdentity(const std::string& text, CIdentity& out) {
    const std::size_t colon = text.find(':');
    unsigned long version = 0;
    if (colon == std::string::npos || !ParseHexByte(text.substr(0, colon), out.type) ||
        !ParseNumber(text.substr(colon + 1), 0xFF, version))
        return false;
    out.version = static_cast<std::uint8_t>(version);
    return true;
}

// "N" or "N@K": a number and the block (1 = the first) where it applies.
bool ParseAtBlock(const std::string& text, unsigned long max, unsigned long& value, int& block) {
    const std::size_t at = text.find('@');
    block = 1;
    if (at == std::string::npos) return ParseNumber(text, max, value);
    unsigned long number = 0;
    if (!ParseNumber(text.substr(0, at), max, value) ||
        !ParseNumber(text.substr(at + 1), kMaxCount, number) || number == 0)
        return false;
    block = static_cast<int>(number);
    return true;
}

// "K=ADDRESS[:COUNT]": an extra upload request as device frame K.
bool ParseExtraRequest(const std::string& text, std::map<int, CExtraRequest>& out) {
    const std::size_t equals = text.find('=');
    const std::size_t colon = text.find(':', equals == std::string::npos ? 0 : equals);
    unsigned long frame = 0, address = 0, count = 0;
    if (equals == std::string::npos || !ParseNumber(text.substr(0, equals), kMaxCount, frame) || frame == 0 ||
        !ParseNumber(
            text.substr(equals + 1, colon == std::string::npos ? std::string::npos : colon - equals - 1),
            0xFFFFFF, address))
        return false;
    if (colon != std::string::npos &&
        (!ParseNumber(text.substr(colon + 1), kMaxBlockCount, count) || count == 0))
        return false;
    out[static_cast<int>(frame)] = {static_cast<std::uint32_t>(address), static_cast<std::uint8_t>(count)};
    return true;
}

// "CODE:BYTES[:TIMES]": the answer to request CODE (hex) reshaped.
bool ParseReplyShape(const std::string& text, std::map<std::uint8_t, CReplyShape>& out) {
    const std::size_t first = text.find(':');
    const std::size_t second = first == std::string::npos ? std::string::npos : text.find(':', first + 1);
    std::uint8_t code = 0;
    unsigned long bytes = 0, times = 1;
    if (first == std::string::npos || !ParseHexByte(text.substr(0, first), code) ||
        !ParseNumber(
            text.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1),
            kMaxReplyBytes, bytes))
        return false;
    if (second != std::string::npos &&
        (!ParseNumber(text.substr(second + 1), kMaxCount, times) || times == 0))
        return false;
    out[code] = {static_cast<std::size_t>(bytes), static_cast<int>(times)};
    return true;
}

using CValueParser = std::function<bool(CSimOptions&, const std::string&)>;

const std::map<std::string, CValueParser>& ValueOptions() {
    static const std::map<std::string, CValueParser> parsers = {
        {"--kind",
         [](CSimOptions& o, const std::string& v) {
             return ParseHexByte(v, o.profile.kind) && CDeviceProfile::IsKnownKind(o.profile.kind);
         }},
        {"--version",
         [](CSimOptions& o, const std::string& v) {
             unsigned long version = 0;
             if (!ParseNumber(v, 0xFF, version)) return false;
             o.profile.version = static_cast<std::uint8_t>(version);
             return true;
         }},
        {"--mode",
         [](CSimOptions& o, const std::string& v) {
             std::uint8_t mode = 0;
             if (!ParseHexByte(v, mode)) return false;
             o.mode = mode;
             return true;
         }},
        {"--config",
         [](CSimOptions& o, const std::string& v) {
             unsigned long value = 0;
             if (!ParseNumber(v, 0xFF, value)) return false;
             o.configByte = static_cast<std::uint8_t>(value);
             return true;
         }},
        {"--network",
         [](CSimOptions& o, const std::string& v) {
             CNetworkRecord network;
             if (!ParseNetworkFields(v, network)) return false;
             o.network = network;
             return true;
         }},
        {"--switch-lands",
         [](CSimOptions& o, const std::string& v) {
             std::uint8_t mode = 0;
             if (!ParseHexByte(v, mode)) return false;
             o.faults.switchLands = mode;
             return true;
         }},
        {"--tcp",
         [](CSimOptions& o, const std::string& v) {
             unsigned long port = 0;
             if (!ParseNumber(v, 0xFFFF, port)) return false;
             o.tcp = true;
             o.tcpPort = static_cast<std::uint16_t>(port);
             return true;
         }},
        {"--link", [](CSimOptions& o, const std::string& v) { return !(o.linkPath = v).empty(); }},
        {"--state", [](CSimOptions& o, const std::string& v) { return !(o.statePath = v).empty(); }},
        {"--trace", [](CSimOptions& o, const std::string& v) { return !(o.tracePath = v).empty(); }},
        {"--slot",
         [](CSimOptions& o, const std::string& v) {
             CSlotSeed seed;
             if (!ParseSlotSeed(v, seed)) return false;
             o.seeds.push_back(seed);
             return true;
         }},
        {"--boot-data",
         [](CSimOptions& o, const std::string& v) {
             CSlotSeed seed;
             if (!ParseBootDataSeed(v, seed)) return false;
             o.bootData = seed;
             return true;
         }},
        {"--baud",
         [](CSimOptions& o, const std::string& v) {
             unsigned long baud = 0;
             if (!ParseNumber(v, kMaxBaud, baud) || baud == 0) return false;
             o.baud = static_cast<std::uint32_t>(baud);
             return true;
         }},
        {"--latency",
         [](CSimOptions& o, const std::string& v) {
             unsigned long ms = 0;
             if (!ParseNumber(v, kMaxLatencyMs, ms)) return false;
             o.latencyMs = static_cast<int>(ms);
             return true;
         }},
        {"--quiet-ms",
         [](CSimOptions& o, const std::string& v) {
             unsigned long ms = 0;
             if (!ParseNumber(v, kMaxQuietMs, ms) || ms == 0) return false;
             o.quietMs = static_cast<int>(ms);
             return true;
         }},
        {"--block",
         [](CSimOptions& o, const std::string& v) {
             unsigned long size = 0;
             if (!ParseNumber(v, kMaxBlockCount, size) || size == 0) return false;
             o.profile.uploadBlock = static_cast<std::uint8_t>(size);
             return true;
         }},
        {"--os-size",
         [](CSimOptions& o, const std::string& v) {
             unsigned long size = 0;
             if (!ParseNumber(v, kMaxImageSize, size) || size == 0) return false;
             o.profile.osImageSize = static_cast<std::uint32_t>(size);
             return true;
         }},
        {"--firmware-size",
         [](CSimOptions& o, const std::string& v) {
             unsigned long size = 0;
             if (!ParseNumber(v, kMaxImageSize, size)) return false;
             o.profile.firmwareSize = static_cast<std::uint32_t>(size);
             return true;
         }},
        {"--ask-again",
         [](CSimOptions& o, const std::string& v) { return ParseCount(v, o.profile.askAgainAfter); }},
        {"--skip-after",
         [](CSimOptions& o, const std::string& v) { return ParseCount(v, o.profile.skipAfter); }},
        {"--busy",
         [](CSimOptions& o, const std::string& v) {
             unsigned long count = 0;
             int frame = 1;
             if (!ParseAtBlock(v, kMaxCount, count, frame)) return false;
             o.faults.busyBefore[frame] += static_cast<int>(count);
             return true;
         }},
        {"--device-error",
         [](CSimOptions& o, const std::string& v) {
             unsigned long code = 0;
             CDeviceError error;
             if (!ParseAtBlock(v, 0xFF, code, error.block)) return false;
             error.code = static_cast<std::uint8_t>(code);
             o.faults.deviceError = error;
             return true;
         }},
        {"--bad-sum", [](CSimOptions& o, const std::string& v) { return ParseCount(v, o.faults.badSums); }},
        {"--silent",
         [](CSimOptions& o, const std::string& v) { return ParseCount(v, o.faults.silentRequests); }},
        {"--wrong-ack",
         [](CSimOptions& o, const std::string& v) { return ParseCount(v, o.faults.wrongAcks); }},
        {"--drop-after",
         [](CSimOptions& o, const std::string& v) { return ParseCount(v, o.faults.dropAfter); }},
        {"--extra-request",
         [](CSimOptions& o, const std::string& v) { return ParseExtraRequest(v, o.faults.extraRequests); }},
        {"--bad-end-sum", [](CSimOptions& o, const std::string& v) { return ParseCount(v, o.faults.badEndSums); }},
        {"--nak-end", [](CSimOptions& o, const std::string& v) { return ParseCount(v, o.faults.nakEnds); }},
        {"--wrong-config-echo",
         [](CSimOptions& o, const std::string& v) { return ParseCount(v, o.faults.wrongConfigEchoes); }},
        {"--short-reply",
         [](CSimOptions& o, const std::string& v) { return ParseReplyShape(v, o.faults.shortReplies); }},
        {"--split-reply",
         [](CSimOptions& o, const std::string& v) { return ParseReplyShape(v, o.faults.splitReplies); }},
        {"--surplus",
         [](CSimOptions& o, const std::string& v) { return ParseReplyShape(v, o.faults.surplusReplies); }},
        {"--flip-stored",
         [](CSimOptions& o, const std::string& v) {
             unsigned long address = 0;
             if (!ParseNumber(v, kMaxImageSize - 1, address)) return false;
             o.faults.flipStored = static_cast<std::uint32_t>(address);
             return true;
         }},
        {"--flip-stored-header",
         [](CSimOptions& o, const std::string& v) {
             unsigned long offset = 0;
             if (!ParseNumber(v, kHeaderSize - 1, offset)) return false;
             o.faults.flipStoredHeader = offset;
             return true;
         }},
        {"--ident",
         [](CSimOptions& o, const std::string& v) {
             CIdentity id;
             if (!ParseIdentity(v, id)) return false;
             o.faults.identity = id;
             return true;
         }},
    };
    return parsers;
}

} // namespace

int ParseSimOptions(const std::vector<std::string>& args, CSimOptions& options, std::string& error) {
    bool versionGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const std::size_t equals = name.find('=');
            name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (name == "--help" || name == "-h") return kOptionsHelp;
        const bool isFlag = name == "--pty" || name == "--echo" || name == "--refuse-switch" ||
                            name == "--refuse-data" || name == "--descending" || name == "--held" ||
                            name == "--cut-after-store";
        if (isFlag && !value) {
            options.pty |= name == "--pty";
            options.echo |= name == "--echo";
            options.held |= name == "--held";
            options.faults.refuseSwitch |= name == "--refuse-switch";
            options.faults.refuseData |= name == "--refuse-data";
            options.faults.descending |= name == "--descending";
            options.faults.cutAfterStore |= name == "--cut-after-store";
            continue;
        }
        const auto parser = ValueOptions().find(name);
        if (parser == ValueOptions().end() || isFlag) {
            error = "unknown option " + args[i];
            return kOptionsBad;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                error = name + " needs a value";
                return kOptionsBad;
            }
            value = args[++i];
        }
        if (!parser->second(options, *value)) {
            error = "bad value for " + name + ": " + *value;
            return kOptionsBad;
        }
        versionGiven |= name == "--version";
    }
    if (options.tcp == options.pty) {
        error = "choose one of --tcp PORT and --pty";
        return kOptionsBad;
    }
    if (options.held && !options.pty) {
        error = "--held needs --pty";
        return kOptionsBad;
    }
    if (!options.linkPath.empty() && !options.pty) {
        error = "--link needs --pty";
        return kOptionsBad;
    }
    if (!versionGiven) options.profile.version = CDeviceProfile::DefaultVersion(options.profile.kind);
    return kOptionsOk;
}

const char* SimUsage() {
    return "usage: qbx-sim (--tcp PORT | --pty [--link PATH]) [options]\n"
           "Emulates a bootloader over loopback TCP or a pseudo-terminal.\n"
           "  --tcp PORT          listen on 127.0.0.1:PORT (0 = any free port)\n"
           "  --pty               create a pseudo-terminal and serve its master side\n"
           "  --link PATH         also make PATH a symbolic link to the pty (for QUILLBOX_COM<n>)\n"
           "  --kind A2|A3|A8|D1  device kind (default A2)\n"
           "  --version N         firmware version byte (default 30, for A3 130)\n"
           "  --mode C0|80        operating mode at start (default: state file, else C0; A8/D1 80)\n"
           "  --config N          configuration byte at start, decimal (default: state file, else 1)\n"
           "  --network \"A1 A2 A3 P W1 W2\" LINKBOX network settings at start (as the state file's line)\n"
           "  --echo              loop-back plug: echo every byte\n"
           "  --held              with --pty: keep the port locked, as a program using it would\n"
           "  --state FILE        device memory, loaded at start, saved after every change\n"
           "  --slot N=TEXT[:SIZE] fill slot N (1..7) with description TEXT and SIZE bytes (default 0x8000)\n"
           "  --boot-data TEXT[:SIZE] LINKBOX data image: description TEXT, SIZE bytes (default 0x400)\n"
           "  --baud N            pace the line at N baud both ways, 10 bits per byte\n"
           "  --latency MS        hold the device's output as a USB adapter does: until MS ms after the "
           "first held byte,\n"
           "                      or until 62 bytes are held (0, the default: no adapter)\n"
           "  --trace FILE        log every chunk in and out with a monotonic time stamp\n"
           "  --quiet-ms N        give up half-received input after N ms of silence (default 200)\n"
           "  --block N           bytes asked for per request in an upload or update, 1..255 (default 64)\n"
           "  --os-size N         bytes of the OS update images 1F and 1E (default: the last short header's "
           "size)\n"
           "  --firmware-size N   bytes of the firmware image 3F (default 0x10000)\n"
           "  --ask-again K       update phases: ask the block of request K once more\n"
           "  --skip-after K      update phases: leave out the block after request K\n"
           "faults (counted over the whole run):\n"
           "  --flip-stored ADDR  invert the byte at ADDR of the next upload or boot data image as it is "
           "kept\n"
           "  --flip-stored-header N invert byte N (0..52) of the header kept with the next stored image\n"
           "  --cut-after-store   cut the line at the first request after the next stored image\n"
           "  --busy N[@K]        N busy frames before frame K of an upload or update (default 1; "
           "repeatable)\n"
           "  --device-error C[@K] error frame with code C instead of block K of a data phase (default 1)\n"
           "  --refuse-data       refuse the data phases with a refusal frame\n"
           "  --bad-sum N         the next N checked sums are wrong\n"
           "  --silent N          ignore the next N requests\n"
           "  --wrong-ack N       the next N acknowledgements are \"??\" instead of \"!C\"\n"
           "  --ident TYPE:VER    identify as TYPE (hex) with version VER\n"
           "  --refuse-switch     refuse every mode switch\n"
           "  --switch-lands XX   a mode switch is acknowledged, but the device comes up in mode XX (hex)\n"
           "  --drop-after N      serve N requests, then cut the line at the next one\n"
           "  --extra-request K=ADDR[:COUNT] upload frame K asks for COUNT bytes at ADDR first\n"
           "  --descending        uploads ask for their blocks from the last to the first\n"
           "  --bad-end-sum N     the next N upload end frames carry a wrong sum\n"
           "  --nak-end N         answer the program's next N end frames with 0x00 0xFF\n"
           "  --short-reply C:N[:T] the next T answers to request C (hex) keep only N bytes\n"
           "  --split-reply C:N[:T] the next T answers to request C leave in two pieces, N bytes first\n"
           "  --surplus C:N[:T]   the next T answers to request C carry N bytes more\n"
           "  --wrong-config-echo N the next N configuration writes echo another value\n";
}

} // namespace qbx::sim
