#pragma once
#include "tests/operations/recording_host.h"

#include <string>

// A recording host whose texts for the port diagnosis carry their
// placeholders, so that tests see the names and numbers passed.
class CScanHost : public CRecordingHost {
  public:
    std::string String(int stringId) override {
        switch (stringId) {
        case 11911:
            return "held by %s %d";
        case 11912:
            return "locked by %s %d %s";
        case 11913:
            return "held unseen";
        case 11914:
            return "group %s";
        case 11915:
            return "denied %s";
        case 11916:
            return "missing %s; present %s; COM%d";
        case 11917:
            return "not a terminal %s";
        case 11918:
            return "owner only %s %s";
        default:
            return CRecordingHost::String(stringId);
        }
    }
};
