#pragma once
// The 16 channels as a CSV table, one row per channel, for spreadsheets and
// scripts. Import goes through the same entry rules as typing into the grid,
// so an imported channel is exactly what a user could have entered.
#include <string>
#include <string_view>
#include <vector>

#include "codeplug.h"
#include "frequency_entry.h"
#include "result.h"

namespace pl63 {

// The TX Frequency of a receive-only channel (no transmit frequency); any
// letter case is read.
inline constexpr std::string_view kReceiveOnlyWord = "None";

// "CH,RX Frequency,RX Tone,TX Frequency,TX Tone,Power,Forbid,Band,Scan"
std::string_view channelCsvHeader();

// All 16 channels; an empty channel is its number followed by empty fields.
// Values: FreqText (TX "None" for a receive-only channel), Off / 67.0 /
// D023N, Low/High, Off/Carrier, Narrow/Wide, No/Yes. Lines end in LF; UTF-8
// without byte order mark.
std::string exportChannelsCsv(const ChannelGrid& grid);

// Applies the rows of `csv` to `grid`, each by its CH number (1-16); channels
// not named keep their content. Per row: RX frequency (an empty one deletes
// the channel, and then the row must have no other value), TX frequency,
// tones, then the list cells by name (the export's words or the grid's texts
// in either language, letter case ignored). An empty field leaves its cell
// as the earlier steps left it, so a row with only an RX frequency gets the
// new-channel defaults. A value equal to what export writes for the cell
// leaves the cell as it is, so an exported file imported onto the same
// codeplug changes nothing. TX "None" removes the transmit frequency. The
// first bad value is reported with its line and column and nothing is
// applied. DCS codes with the digits 8 or 9, which the entry rules let pass
// but the radio reads as another code, add a warning naming line and column.
Status importChannelsCsv(std::string_view csv, ChannelGrid& grid, FrequencyBand band,
                         Language language, std::vector<ErrorText>* warnings = nullptr);

}  // namespace pl63
