#pragma once
// The `parameter` file: three bytes kept between runs, read at start-up and
// written whole whenever one of them changes and when the main window closes.
//   byte 0  lock state of the editor (1 locked, 0 unlocked, others unlocked)
//   byte 1  serial port number chosen in the port window
//   byte 2  LanguageFlag (0 Chinese, 1 English)
#include <cstdint>
#include <string>

namespace pl63::settings {

struct ParameterBytes {
    std::uint8_t lock = 0;
    std::uint8_t port = 0;
    std::uint8_t language = 0;
};

inline constexpr const char* kParameterFileName = "parameter";

// The folder the file lives in: the program's own folder when we may write
// there (a program copied to a USB stick keeps its settings beside it, as
// users of the original software expect), else the settings folder the
// `ports` file uses (an installed program in /usr/bin cannot write there).
// Decided here once, so reading and writing always agree.
std::string parameterFolder(const std::string& programFolder);
// parameterFolder + "/parameter".
std::string parameterFilePath(const std::string& programFolder);

// Reads the three bytes; a byte beyond the end of the file reads as 0. A
// missing or shorter file is written whole with the bytes it read as (all
// zero for a missing one), so it is never left empty; a file that cannot be
// read also reads as all zero.
ParameterBytes readParameterFile(const std::string& path);

// Writes exactly the three bytes through a temporary file renamed over the
// old one, so a crash or a full disk never leaves a half-written file. False
// when the file could not be written (the old one is then left as it was).
bool writeParameterFile(const std::string& path, const ParameterBytes& bytes);

}  // namespace pl63::settings
