#include "settings/parameter_file.h"

#include <unistd.h>

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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        // Created empty, as the program always did; reads as all zero.
        std::ofstream create(path, std::ios::binary | std::ios::app);
        return bytes;
    }
    char raw[3] = {0, 0, 0};
    in.read(raw, sizeof raw);
    bytes.lock = static_cast<std::uint8_t>(raw[0]);
    bytes.port = static_cast<std::uint8_t>(raw[1]);
    bytes.language = static_cast<std::uint8_t>(raw[2]);
    return bytes;
}

bool writeParameterFile(const std::string& path, const ParameterBytes& bytes) {
    return writeFileSafely(path, std::vector<std::uint8_t>{bytes.lock, bytes.port, bytes.language})
        .ok();
}

}  // namespace pl63::settings
