#pragma once
// Channel lists in the column layout of CHIRP's generic CSV, the form in which
// plans travel between radio programs, repeater directories and club sites.
// Every value goes through the grid's own entry rules (band limits, raster,
// tone rules), so an imported channel is one a user could have typed.
//
// Mapping, CHIRP column -> grid:
//   Frequency      RX frequency, MHz
//   Duplex/Offset  "" TX = RX; "+"/"-" TX = RX +/- Offset; "split" TX = Offset;
//                  "off" receive only
//   Tone           "" no tones; "Tone" TX rToneFreq; "TSQL" cToneFreq both
//                  ways; "DTCS" DtcsCode both ways; "Cross" per CrossMode
//                  (TX side -> RX side: Tone is rToneFreq on TX, cToneFreq on
//                  RX; DTCS is DtcsCode on TX, RxDtcsCode on RX)
//   DtcsPolarity   two letters, TX then RX: N normal, R reversed (our "I")
//   Mode           NFM Narrow, FM Wide
//   Power          Low / High, or watts (below 3 W Low)
//   Skip           "S" out of scan; "" or "P" in scan
// Name, Comment, TStep and the D-STAR columns are read past: the radio
// stores no names. Forbid is no CHIRP column: an imported channel keeps the
// forbid of the channel it replaces, else Off.
#include <string>
#include <string_view>
#include <vector>

#include "codeplug.h"
#include "frequency_entry.h"
#include "result.h"

namespace pl63 {

enum class ChannelCsvFormat { Pl63, Chirp };

// CHIRP's when the first line names columns "Location" and "Frequency",
// else ours.
ChannelCsvFormat detectChannelCsvFormat(std::string_view csv);

// CHIRP's 21 columns in CHIRP's order.
std::string_view chirpCsvHeader();

// One row per channel in use, Location = channel number; frequencies and
// offsets in MHz with six decimals; the tone mode CHIRP itself would choose.
std::string exportChirpCsv(const ChannelGrid& grid);

// A row the radio cannot hold, left out by an import that was told to.
struct LeftOutRow {
    int line = 0;
    std::string frequency;  // the row's Frequency as written
    ErrorText reason;       // names the column and value
};

enum class UnfitRows {
    Refuse,   // the first row that does not fit fails the import
    LeaveOut  // rows that fit go in; the others are reported
};

// Applies the rows to `grid`. Placement: when every Location is within 1-16
// each row goes to that channel; otherwise (0-based files, long lists, no
// Location column) the rows fill channels 1-16 in Location order. Channels
// no row lands on keep their content. A row equal to what the export writes
// for the channel it lands on leaves that channel as it is, so an export
// imported onto its own codeplug changes nothing. With UnfitRows::Refuse the
// first unfit row is an error naming its line and column and the grid is
// left alone; with LeaveOut the result lists the rows left out. A frequency
// outside `band` but inside another of the radio's bands is refused with a
// reason that names that band. `imported`, when given, gets the number of
// rows that went in (a row that left its channel as it was counts).
Result<std::vector<LeftOutRow>> importChirpCsv(std::string_view csv, ChannelGrid& grid,
                                               FrequencyBand band, Language language,
                                               UnfitRows unfit, int* imported = nullptr);

// What the window and `pl63 import` say about the rows left out: a heading
// that says whether the other rows went in, then a line per row, "line 4
// (124.500000): reason". The row's texts are shown safely (shownText).
ErrorText leftOutHeading(int imported);
ErrorText leftOutLine(const LeftOutRow& row);

}  // namespace pl63
