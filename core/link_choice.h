#pragma once
#include "core/settings_store.h"

namespace qbx {

enum class LinkKind { Serial, Tcp, Invalid };

struct LinkChoice {
    LinkKind kind;
    int portNumber; // interfaceIndex + 1: 1..6 serial COM ports, 7 TCP
};

// The one rule by which every device operation picks its link from the
// settings: port number = interfaceIndex + 1; 1 to 6 serial, 7 TCP, else
// invalid (the caller reports string 11005).
LinkChoice ChooseLink(const CSettings& settings);

} // namespace qbx
