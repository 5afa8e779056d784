#pragma once
// Which device stands behind serial port numbers 1 to 20 outside Windows,
// where there are no COM numbers. An optional `ports` file in the settings
// folder names devices ("COM1=/dev/ttyUSB0"); the system's own serial ports
// fill the numbers the file leaves free.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pl63::settings {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 20;
constexpr int kPortCount = kLastPort - kFirstPort + 1;

// Port number -> device path.
using PortMap = std::map<int, std::string>;

// $PL63_SETTINGS_DIR, else $XDG_CONFIG_HOME/pl63, else ~/.config/pl63. Empty
// when none of them can be found.
std::string settingsFolder();

// Lines "COMn=DEVICE" with n in 1..20; blanks around the parts and the case of
// "COM" do not matter, "#" starts a comment line, every other line is skipped.
// A later line for the same number wins.
PortMap parsePortMap(std::string_view text);

// The `ports` file of a folder; a missing or unreadable file gives no entries.
PortMap loadPortMap(const std::string& folder);

// The order in which system devices receive free numbers: USB adapters
// (ttyUSB*, ttyACM*) first, then other devices, the legacy ttyS* last; within
// each family by name and then by the number at the end (ttyUSB2 before ttyUSB10).
std::vector<std::string> orderSerialDevices(std::vector<std::string> devices);

// The file's entries as they are, then the system devices the file does not
// already name, in orderSerialDevices order, on the lowest free numbers.
PortMap assignPortNumbers(const PortMap& fromFile, const std::vector<std::string>& systemDevices);

// The value of a --port option: a number 1..20 or a device path.
struct PortArgument {
    int number = 0;      // 1..20, or 0 when a device path was given
    std::string device;  // the path, when given directly
};
std::optional<PortArgument> parsePortArgument(std::string_view text);

// After a probe: SavedPort when it opened, else the first port that opened,
// else 0 (none). available[i] stands for port i + 1.
int choosePortToOpen(int savedPort, const std::array<bool, kPortCount>& available);

}  // namespace pl63::settings
