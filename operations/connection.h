#pragma once
#include "core/settings_store.h"
#include "link/identification.h"
#include "link/link_timing.h"
#include "link/transport.h"
#include "operations/operation_host.h"

#include <functional>
#include <memory>

namespace qbx {

// The message numbers a caller gives to each way the connection sequence can
// fail (0: the step is not part of this caller's sequence). Every function
// dialog has its own table.
struct ConnectMessages {
    int settingsUnreadable = 0; // string 11001
    int invalidInterface = 0;   // 11005
    int openNotFound = 0;       // 11002
    int openDenied = 0;         // 11003
    int openFailed = 0;         // 11004 with the error code
    int identifyFailed = 0;     // 11012
    int askSwitch = 0;          // question 11006
    int switchNoAnswer = 0;     // 11007
    int switchRefused = 0;      // 11008
    int requeryNoAnswer = 0;    // 11007
    int stillOtherMode = 0;     // 11009: mode 0x80 after switching
    int notTransferMode = 0;    // 11010: any other mode after switching
    int queryNoAnswer = 0;      // 11011
    int checkNoAnswer = 0;      // 11012
    int checkUnsupported = 0;   // the refusal's own text
};

// Every device function numbers the connection failures alike within its
// own group: 1 to 15 in the order above.
inline constexpr ConnectMessages kConnectMessages = {
    .settingsUnreadable = 1,
    .invalidInterface = 2,
    .openNotFound = 3,
    .openDenied = 4,
    .openFailed = 5,
    .identifyFailed = 6,
    .askSwitch = 7,
    .switchNoAnswer = 8,
    .switchRefused = 9,
    .requeryNoAnswer = 10,
    .stillOtherMode = 11,
    .notTransferMode = 12,
    .queryNoAnswer = 13,
    .checkNoAnswer = 14,
    .checkUnsupported = 15,
};

enum class ConnectResult {
    Connected,
    Failed,   // its message was shown
    Declined, // the person answered No to the mode switch; no message
};

struct ConnectOptions {
    bool identify = true;                // IdentifyBootloader
    bool modeCheck = true;               // mode check and switch for the kinds that need it
    bool check = true;                   // CheckBootloader
    const CSettings* settings = nullptr; // use these instead of loading qbx_man.ini
    LinkTiming timing;
    // Builds the transport from the settings; CreateTransport when empty.
    // Tests wrap the real transports here.
    std::function<std::unique_ptr<CTransport>(const CSettings&, int& result)> createTransport;
};

// Loads the settings, builds and opens the transport, identifies the
// bootloader, brings a mode-switching one into transfer mode with the
// person's consent, and checks type and version. On success `transport` is
// open and `id` says who answered; on any other result the transport is
// closed and gone.
ConnectResult Connect(COperationHost& host, const ConnectMessages& messages, const ConnectOptions& options,
                      std::unique_ptr<CTransport>& transport, BootloaderId& id);

// The device kinds that need the transfer mode checked before a transfer.
bool NeedsModeCheck(const BootloaderId& id);

// What a refusal of CheckBootloader tells the person: the type that is not
// supported, or the firmware version that is too old.
std::string RefusalText(COperationHost& host, const BootloaderRefusal& refusal);

} // namespace qbx
