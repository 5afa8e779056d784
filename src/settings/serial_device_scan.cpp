#include "settings/serial_device_scan.h"

#include <fstream>
#include <set>
#include <system_error>

namespace pl63::settings {
namespace {

namespace fs = std::filesystem;

// serial_core's `type` attribute: the UART kind, 0 when the slot is empty.
bool isEmptyUartSlot(const fs::path& entry) {
    std::ifstream type(entry / "type");
    int kind = -1;
    return type >> kind && kind == 0;
}

bool isRfcomm(const std::string& name) { return name.rfind("rfcomm", 0) == 0; }

// The kernel keeps its virtual terminals (consoles, ptmx, RFCOMM ports) in one
// folder of its own.
std::set<std::string> virtualTerminals(const fs::path& classTty) {
    std::set<std::string> names;
    std::error_code error;
    const fs::path folder = classTty.parent_path().parent_path() / "devices" / "virtual" / "tty";
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        names.insert(it->path().filename().string());
    }
    return names;
}

}  // namespace

std::vector<std::string> scanSerialDevices(const fs::path& classTty) {
    std::vector<std::string> devices;
    std::error_code error;
    fs::directory_iterator entries(classTty, error);
    if (error) return devices;
    const std::set<std::string> virtualNames = virtualTerminals(classTty);
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        // Consoles, ptmx and pseudo-terminals have no hardware behind them;
        // the folder read above names them without a question each.
        std::error_code missing;
        const bool virtualTerminal =
            virtualNames.count(name) != 0 || !fs::exists(entry.path() / "device", missing);
        const bool serial = virtualTerminal ? isRfcomm(name) : !isEmptyUartSlot(entry.path());
        if (serial) devices.push_back("/dev/" + name);
    }
    return devices;
}

}  // namespace pl63::settings
