#include "settings/serial_device_scan.h"

#include <fstream>
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

}  // namespace

std::vector<std::string> scanSerialDevices(const fs::path& classTty) {
    std::vector<std::string> devices;
    std::error_code error;
    fs::directory_iterator entries(classTty, error);
    if (error) return devices;
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        std::error_code missing;
        const bool hardware = fs::exists(entry.path() / "device", missing);
        if (!hardware && !isRfcomm(name)) continue;  // consoles, ptmx, pseudo-terminals
        if (hardware && isEmptyUartSlot(entry.path())) continue;
        devices.push_back("/dev/" + name);
    }
    return devices;
}

}  // namespace pl63::settings
