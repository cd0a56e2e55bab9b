#include "formats/device_table.h"

namespace qbx {

namespace {
const struct {
    const char* name;
    std::uint8_t code;
} kTable[] = {
    {kQrt5130Name, kDeviceQrt5130}, {"BUS_VIEWER", kDeviceBusViewer}, {"BUS_PORTA", kDeviceBusPortA},
    {"BUS_PORTB", kDeviceBusPortB}, {"BUS_GATE", kDeviceBusGate},     {"BUS_METER", kDeviceBusMeter},
};
} // namespace

std::uint8_t DeviceCodeOf(const std::string& name) {
    for (const auto& entry : kTable)
        if (name == entry.name) return entry.code;
    return kDeviceUnknown;
}

std::string DeviceNameOf(std::uint8_t code) {
    for (const auto& entry : kTable)
        if (code == entry.code) return entry.name;
    return {};
}

} // namespace qbx
