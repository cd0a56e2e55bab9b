#include "formats/device_table.h"

namespace qbx {

std::uint8_t DeviceCodeOf(const std::string& name) {
    static const struct {
        const char* name;
        std::uint8_t code;
    } kTable[] = {
        {kQrt5130Name, kDeviceQrt5130}, {"BUS_VIEWER", kDeviceBusViewer}, {"BUS_PORTA", kDeviceBusPortA},
        {"BUS_PORTB", kDeviceBusPortB}, {"BUS_GATE", kDeviceBusGate},     {"BUS_METER", kDeviceBusMeter},
    };
    for (const auto& entry : kTable)
        if (name == entry.name) return entry.code;
    return kDeviceUnknown;
}

} // namespace qbx
