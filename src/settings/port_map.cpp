#include "settings/port_map.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <tuple>

namespace pl63::settings {
namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

// A decimal number 1..20 and nothing else.
std::optional<int> portNumber(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < kFirstPort || value > kLastPort) return std::nullopt;
    return value;
}

std::string baseName(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// (family, name without its trailing number, that number)
std::tuple<int, std::string, long> deviceSortKey(const std::string& path) {
    std::string name = baseName(path);
    int family = 1;
    if (name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0) {
        family = 0;
    } else if (name.rfind("ttyS", 0) == 0) {
        family = 2;
    }
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
    long number = -1;
    if (digits < name.size() && name.size() - digits < 10) number = std::stol(name.substr(digits));
    return {family, name.substr(0, digits), number};
}

}  // namespace

std::string settingsFolder() {
    if (const char* dir = std::getenv("PL63_SETTINGS_DIR"); dir && *dir) return dir;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        return std::string(xdg) + "/pl63";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::string(home) + "/.config/pl63";
    }
    return {};
}

PortMap parsePortMap(std::string_view text) {
    PortMap map;
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);

        auto eq = line.find('=');
        if (line.empty() || line.front() == '#' || eq == std::string_view::npos) continue;
        std::string_view key = trimmed(line.substr(0, eq));
        std::string_view device = trimmed(line.substr(eq + 1));
        if (key.size() < 4 || device.empty()) continue;
        bool isCom = std::toupper(static_cast<unsigned char>(key[0])) == 'C' &&
                     std::toupper(static_cast<unsigned char>(key[1])) == 'O' &&
                     std::toupper(static_cast<unsigned char>(key[2])) == 'M';
        auto number = isCom ? portNumber(key.substr(3)) : std::nullopt;
        if (!number) continue;
        map[*number] = std::string(device);
    }
    return map;
}

PortMap loadPortMap(const std::string& folder) {
    if (folder.empty()) return {};
    std::ifstream file(folder + "/ports", std::ios::binary);
    if (!file) return {};
    std::ostringstream text;
    text << file.rdbuf();
    return parsePortMap(text.str());
}

std::vector<std::string> orderSerialDevices(std::vector<std::string> devices) {
    // Two paths can share a sort key (/dev/ttyUSB1 and /dev/serial/ttyUSB1,
    // ttyUSB01 and ttyUSB1); the path itself breaks the tie, so equal paths
    // always end up side by side and are kept once.
    std::sort(devices.begin(), devices.end(), [](const auto& a, const auto& b) {
        const auto keyA = deviceSortKey(a);
        const auto keyB = deviceSortKey(b);
        return keyA != keyB ? keyA < keyB : a < b;
    });
    devices.erase(std::unique(devices.begin(), devices.end()), devices.end());
    return devices;
}

PortMap assignPortNumbers(const PortMap& fromFile, const std::vector<std::string>& systemDevices) {
    PortMap map = fromFile;
    int next = kFirstPort;
    for (const std::string& device : orderSerialDevices(systemDevices)) {
        bool named = std::any_of(map.begin(), map.end(),
                                 [&](const auto& entry) { return entry.second == device; });
        if (named) continue;
        while (next <= kLastPort && map.count(next)) ++next;
        if (next > kLastPort) break;
        map[next] = device;
    }
    return map;
}

std::optional<PortArgument> parsePortArgument(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) return std::nullopt;
    if (auto number = portNumber(text)) return PortArgument{*number, {}};
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
        return std::nullopt;  // a number, but not one of 1..20
    }
    return PortArgument{0, std::string(text)};
}

int choosePortToOpen(int savedPort, const std::array<bool, kPortCount>& available) {
    if (savedPort >= kFirstPort && savedPort <= kLastPort && available[savedPort - kFirstPort]) {
        return savedPort;
    }
    for (int i = 0; i < kPortCount; ++i) {
        if (available[i]) return kFirstPort + i;
    }
    return 0;
}

}  // namespace pl63::settings
