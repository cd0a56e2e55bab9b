#pragma once
#include "sim/device_side.h"
#include "sim/fd_line.h"
#include "sim/stop_signal.h"
#include "sim/trace.h"

// Reading side of a line: hands what arrives to the device side, and tells
// it when the line has gone quiet while it holds half a request.
namespace qbx::sim {

constexpr int kDefaultQuietMs = 200;

enum class ELineEnd { Stopped, Closed, Cut, Failed };

struct CLineSetup {
    const CStopSignal& stop;
    CTrace& trace;
    int quietMs = kDefaultQuietMs;
};

// Serves `fd` until a stop, the peer's close, a cut or a failure.
ELineEnd ServeLine(int fd, IDeviceSide& side, CFdLine& line, const CLineSetup& setup);

} // namespace qbx::sim
