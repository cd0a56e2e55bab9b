// scan, tcp-status: where a bootloader answers.
#include "cli/commands.h"
#include "cli/link_arguments.h"
#include "core/settings_store.h"
#include "operations/port_scan.h"
#include "operations/tcp_status.h"

#include <cstdio>
#include <cstdlib>

namespace qbx {
namespace {

// Prints each port as soon as it is done, so that a slow scan shows progress.
class CConsoleScanView : public CPortScanView {
  public:
    explicit CConsoleScanView(CJsonEvents& events) : events(events) {}
    void PortFinished(int portNumber, const PortScanRow& row) override {
        std::FILE* out = events.HumanOut();
        std::fprintf(out, "COM%d: %s %s %s", portNumber, row.texts.status.c_str(), row.texts.type.c_str(),
                     row.texts.version.c_str());
        // A by-id name that leads nowhere is its own device path: said once.
        const bool byIdToo = !row.names.byId.empty() && row.names.byId != row.names.device;
        std::fprintf(out, " [%s%s%s]", row.names.device.c_str(), byIdToo ? ", " : "",
                     byIdToo ? row.names.byId.c_str() : "");
        if (!row.diagnosis.empty()) std::fprintf(out, " (%s)", row.diagnosis.c_str());
        std::fprintf(out, "\n");
        std::fflush(out);
        CJsonObject event = CJsonEvents::Event("port")
                                .String("port", "COM" + std::to_string(portNumber))
                                .Bool("found", row.found)
                                .String("status", row.texts.status)
                                .String("type", row.texts.type)
                                .String("version", row.texts.version)
                                .String("device", row.names.device);
        if (!row.names.byId.empty()) event.String("byId", row.names.byId);
        if (!row.diagnosis.empty()) event.String("diagnosis", row.diagnosis);
        events.Emit(event);
    }

  private:
    CJsonEvents& events;
};

} // namespace

int RunScan(CommandContext& context) {
    if (!context.arguments.empty()) return kExitUsage;
    CConsoleScanView view(context.events);
    PortScanRows rows = ScanPorts(context.host, view);
    int chosen = ChosenPort(rows);
    if (chosen == 0) return kExitFailed;
    std::fprintf(context.events.HumanOut(), "selected: COM%d\n", chosen);
    context.events.Emit(CJsonEvents::Event("selected").String("port", "COM" + std::to_string(chosen)));
    return kExitOk;
}

int RunTcpStatus(CommandContext& context) {
    CSettings settings;
    std::string host;
    unsigned port = 0;
    if (context.arguments.empty()) {
        settings.Load(); // a missing file gives the default address, as in the settings dialog
        context.host.OverrideLink(settings);
        host = settings.ipAddress;
        port = settings.port;
    } else if (context.arguments.size() == 2 && ParsePort(context.arguments[1], port)) {
        host = context.arguments[0];
    } else {
        return kExitUsage;
    }
    TcpStatus status = CheckTcpStatus(host, port);
    std::fprintf(context.events.HumanOut(), "%s %s %s\n", status.texts.status.c_str(),
                 status.texts.type.c_str(), status.texts.version.c_str());
    context.events.Emit(CJsonEvents::Event("tcp-status")
                            .String("host", host)
                            .Number("port", port)
                            .Bool("found", status.found)
                            .String("status", status.texts.status)
                            .String("type", status.texts.type)
                            .String("version", status.texts.version));
    return status.found ? kExitOk : kExitFailed;
}

} // namespace qbx
