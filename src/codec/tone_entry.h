#pragma once
// What a typed tone becomes in a tone cell of the channel grid: a CTCSS value
// with one decimal (67.0 .. 254.1) or a DCS code "D" + three digits + "N"/"I".
// Invalid typing is never reported: the cell simply keeps its text.
#include <optional>
#include <string>
#include <string_view>

#include "codeplug.h"

namespace pl63 {

// The tone editor's key filter: the character to insert for a typed one
// (d, n and i become capitals), or nullopt when the key is discarded.
// Backspace (8) passes; Enter is the editor's own business.
std::optional<char> filterToneKey(char typed);

// The cell text that typed text t commits to, or nullopt when the cell keeps
// its text (the Off text, an empty or malformed text, a CTCSS value out of
// range). A DCS middle part above 777 becomes 777; a longer part such as
// "0023" is cut to its three-digit form; a part with a decimal point is
// refused.
std::optional<std::string> normaliseTone(std::string_view typed);

enum class ToneCommit { Written, Unchanged };

// Commits typed text into the tone cell at (row, ColRxTone or ColTxTone).
ToneCommit commitTone(ChannelGrid& grid, int row, int col, std::string_view typed);

}  // namespace pl63
