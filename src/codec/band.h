#pragma once
// The main window's band list: what each position is called, the code the
// radio stores for it, and its limits (lowMHz <= f < highMHz).
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pl63 {

struct BandEntry {
    std::string_view text;  // the same in both languages
    std::uint8_t code;      // BandCode, at 0x1AD and again at 0x33C
    int lowMHz;
    int highMHz;
};

inline constexpr std::array<BandEntry, 7> kBands{{
    {"400-480MHz", 0x33, 400, 480},
    {"450-490MHz", 0x21, 450, 490},
    {"400-430MHz", 0x43, 400, 430},
    {"350-390MHz", 0x63, 350, 390},
    {"350-370MHz", 0x53, 350, 370},
    {"136-174MHz", 0x01, 136, 174},
    {"600-720MHz", 0x73, 600, 720},
}};

inline constexpr int kBandCount = static_cast<int>(kBands.size());

inline const BandEntry* bandAt(int position) {
    return position >= 0 && position < kBandCount ? &kBands[position] : nullptr;
}

// List position of a stored BandCode; nothing for any other byte.
inline std::optional<int> bandPositionForCode(std::uint8_t code) {
    for (int position = 0; position < kBandCount; ++position) {
        if (kBands[position].code == code) return position;
    }
    return std::nullopt;
}

}  // namespace pl63
