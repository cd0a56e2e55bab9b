#pragma once
#include "link/link_timing.h"
#include "operations/scan_texts.h"
#include "platform/wait_hook.h"

#include <string>

namespace qbx {

// What answered at a TCP address.
struct TcpStatus {
    int openResult = 0; // kOpenOk .. kOpenFailed
    int error = 0;      // the open's system error code
    bool found = false; // a known device answered; `texts` show it
    ProbeTexts texts;
};

// Connects to `host`:`port`, asks once who is there and lets go again.
// `waitHook` runs while the link waits.
TcpStatus CheckTcpStatus(const std::string& host, unsigned port, const TcpTiming& timing = {},
                         const WaitHook& waitHook = {});

} // namespace qbx
