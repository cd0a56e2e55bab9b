#include "link/transport_factory.h"

#include "core/link_choice.h"
#include "link/protocol_constants.h"
#include "link/serial_transport.h"
#include "link/tcp_transport.h"
#include "link/wire_trace.h"
#include "platform/serial_port_path.h"

namespace qbx {

std::unique_ptr<CTransport> CreateTransport(const CSettings& settings, int& result, const LinkTiming& timing,
                                            const std::string& tracePath) {
    LinkChoice choice = ChooseLink(settings);
    result = kTransportCreated;
    switch (choice.kind) {
    case LinkKind::Serial: {
        int number = choice.portNumber;
        std::string path = settings.portPath.empty() ? SerialPortPath(number) : settings.portPath;
        auto label = [number, path] { return "COM" + std::to_string(number) + " " + path; };
        auto port = static_cast<std::uint8_t>(number);
        return TraceIfRequested(std::make_unique<CSerialTransport>(port, exchange::kBaudRate, timing.serial,
                                                                   SerialSystem{}, settings.portPath),
                                label, tracePath);
    }
    case LinkKind::Tcp: {
        auto label = [&settings] {
            return "TCP " + settings.ipAddress + ":" + std::to_string(settings.port);
        };
        return TraceIfRequested(
            std::make_unique<CTcpTransport>(settings.ipAddress, settings.port, timing.tcp), label, tracePath);
    }
    case LinkKind::Invalid:
        break;
    }
    result = kTransportInvalidInterface;
    return nullptr;
}

} // namespace qbx
