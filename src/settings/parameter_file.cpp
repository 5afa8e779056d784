#include "settings/parameter_file.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "codec/safe_file.h"
#include "settings/port_map.h"

namespace pl63::settings {
namespace {

namespace fs = std::filesystem;

bool isWritableFolder(const std::string& folder) {
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) return false;
    return ::access(folder.c_str(), W_OK) == 0;
}

// Most runs end with the settings they started with; leaving such a file
// alone spares the disk a rewrite and its syncs at every close (a program
// folder on a USB stick feels each one).
bool holdsExactly(const std::string& path, const std::vector<std::uint8_t>& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<char> held(content.size() + 1);
    in.read(held.data(), static_cast<std::streamsize>(held.size()));
    if (static_cast<std::size_t>(in.gcount()) != content.size()) return false;
    return std::equal(content.begin(), content.end(), held.begin(),
                      [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
}

}  // namespace

std::string parameterFolder(const std::string& programFolder) {
    if (isWritableFolder(programFolder)) return programFolder;
    const std::string fallback = settingsFolder();
    if (fallback.empty()) return programFolder;
    std::error_code ec;
    fs::create_directories(fallback, ec);
    return fallback;
}

std::string parameterFilePath(const std::string& programFolder) {
    return (fs::path(parameterFolder(programFolder)) / kParameterFileName).string();
}

ParameterBytes readParameterFile(const std::string& path) {
    ParameterBytes bytes;
    char raw[3] = {0, 0, 0};
    std::streamsize held = 0;
    if (std::ifstream in{path, std::ios::binary}) {
        in.read(raw, sizeof raw);
        held = in.gcount();
    }
    bytes.lock = static_cast<std::uint8_t>(raw[0]);
    bytes.port = static_cast<std::uint8_t>(raw[1]);
    bytes.language = static_cast<std::uint8_t>(raw[2]);
    // A missing or short file is made whole at once with what it read as:
    // an empty file left behind by a program that never got to close would
    // otherwise stay empty.
    if (held < static_cast<std::streamsize>(sizeof raw)) writeParameterFile(path, bytes);
    return bytes;
}

bool writeParameterFile(const std::string& path, const ParameterBytes& bytes) {
    const std::vector<std::uint8_t> content{bytes.lock, bytes.port, bytes.language};
    if (holdsExactly(path, content)) return true;
    return writeFileSafely(path, content).ok();
}

}  // namespace pl63::settings
