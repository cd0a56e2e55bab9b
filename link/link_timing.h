#pragma once

namespace qbx {

// Waits of the serial transport. The defaults are the line's production
// values; tests shorten them.
struct SerialTiming {
    int settleMs = 300;   // after opening, before the first exchange
    int readBaseMs = 500; // a read of n bytes waits readBaseMs + n * readPerByteMs
    int readPerByteMs = 1;
    int writeBaseMs = 10; // a write of n bytes may take writeBaseMs + n * writePerByteMs
    int writePerByteMs = 10;
    // The former exchange (a flush before every write, a poll before every
    // read), kept for the benchmarks' before-and-after.
    bool classicExchange = false;
};

// Waits of the TCP transport; 0 waits without limit.
struct TcpTiming {
    int sendTimeoutMs = 10000;
    int receiveTimeoutMs = 10000;
    bool classicExchange = false; // as for the serial line: discard without asking first
};

struct LinkTiming {
    SerialTiming serial;
    TcpTiming tcp;
};

} // namespace qbx
