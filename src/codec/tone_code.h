#pragma once
// Sub-audible signalling: the 261-entry tone list and the 16-bit ToneCode the
// channel record stores (0xFFFF off, CTCSS as Hz x 10, DCS as 0x2800 normal or
// 0xA800 inverted plus the octal code's value).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "bilingual.h"

namespace pl63 {

using ToneCode = std::uint16_t;

inline constexpr ToneCode kToneOff = 0xFFFF;
inline constexpr int kToneListSize = 261;  // Off, 50 CTCSS, 105 DCS N, 105 DCS I
inline constexpr int kToneFirstCtcss = 1;
inline constexpr int kToneFirstDcsNormal = 51;
inline constexpr int kToneFirstDcsInverted = 156;

// Text of a tone list position (0 is the Off item in `language`); empty when
// the position is outside 0..260.
std::string toneListText(int position, Language language);

// Text the grid shows for a code. Off gives an empty text: whether the cell
// shows the Off item or nothing depends on the channel (a missing transmit
// frequency), which the record codec decides. Other values are shown as
// computed, list member or not: a DCS value below 0x200 loses its leading
// digit (0x2013 -> "D23N") and a negative CTCSS value keeps the radio
// software's cut (0x8000 -> "-327.8", 0xFFFE -> ".2").
std::string decodeToneCode(ToneCode code);

// The same, from the four digits HHLL (high byte first) of the code.
std::string decodeToneDigits(std::string_view hhll);

// The code of a tone text: "D" + three digits + "N" or "I" is DCS (the digits
// taken at face value, an 8 or 9 included, then cut to nine bits); anything
// else is read as a CTCSS value in Hz with one decimal. The Off item and empty
// text are not tones: callers map them to kToneOff first. A text that is not a
// number, or whose value x 10 does not fit below 0xFFFF, gives nothing, and the
// caller writes the channel's tone as off rather than a made-up code.
std::optional<ToneCode> encodeToneText(std::string_view text);

// The four image digits of a code, low byte first ("67.0" -> 029E -> "9E02").
std::string toneImageDigits(ToneCode code);

}  // namespace pl63
