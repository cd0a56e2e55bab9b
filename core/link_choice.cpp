#include "core/link_choice.h"

namespace qbx {

LinkChoice ChooseLink(const CSettings& settings) {
    int portNumber = settings.interfaceIndex + 1;
    if (portNumber >= 1 && portNumber <= 6) return {LinkKind::Serial, portNumber};
    if (portNumber == 7) return {LinkKind::Tcp, portNumber};
    return {LinkKind::Invalid, portNumber};
}

} // namespace qbx
