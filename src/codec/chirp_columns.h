#pragma once
// CHIRP's CSV vocabulary, shared by the writer (chirp_csv_writer.cpp) and the
// reader (chirp_row_reader.cpp, chirp_csv_reader.cpp): its columns, the words
// its Duplex and Tone columns hold, and how a cross mode names its two sides.
// Both directions read these tables, so a word the writer puts out is one
// the reader takes back.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "codeplug.h"
#include "decimal_text.h"

namespace pl63::chirp {

enum Column : int {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    Urcall,
    Rpt1call,
    Rpt2call,
    Dvcode,
    kColumnCount
};

// CHIRP's spelling and order.
inline constexpr std::array<std::string_view, kColumnCount> kColumnNames = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// The columns that say something about a channel; the others never change it.
inline constexpr std::array<int, 13> kMeaningful = {
    Frequency,    Duplex,     Offset,    Tone, RToneFreq, CToneFreq, DtcsCode,
    DtcsPolarity, RxDtcsCode, CrossMode, Mode, Skip,      Power};

using Row = std::array<std::string, kColumnCount>;

// Duplex: TX = RX ("") , RX plus or minus Offset, TX = Offset, receive only.
inline constexpr std::string_view kDuplexNone = "";
inline constexpr std::string_view kDuplexPlus = "+";
inline constexpr std::string_view kDuplexMinus = "-";
inline constexpr std::string_view kDuplexSplit = "split";
inline constexpr std::string_view kDuplexOff = "off";

// Tone: no tones (""), a CTCSS tone sent, CTCSS both ways, DCS both ways,
// per CrossMode; the reverse modes are CHIRP's, the radio has none.
inline constexpr std::string_view kToneNone = "";
inline constexpr std::string_view kToneSent = "Tone";
inline constexpr std::string_view kToneSquelch = "TSQL";
inline constexpr std::string_view kToneDcs = "DTCS";
inline constexpr std::string_view kToneCross = "Cross";
inline constexpr std::array<std::string_view, 2> kToneReverse = {"TSQL-R", "DTCS-R"};

enum class ToneKind { Off, Ctcss, Dcs };

// CrossMode is "TX side->RX side", either side empty for no tone. A side
// word names the kind of tone and the column its value is in, which differs
// between the transmit and the receive side.
inline constexpr std::string_view kCrossArrow = "->";

struct CrossSide {
    ToneKind kind;
    std::string_view word;
    int transmitColumn;
    int receiveColumn;
};

inline constexpr std::array<CrossSide, 2> kCrossSides = {{
    {ToneKind::Ctcss, "Tone", RToneFreq, CToneFreq},
    {ToneKind::Dcs, "DTCS", DtcsCode, RxDtcsCode},
}};

inline const CrossSide* crossSideOf(ToneKind kind) {
    for (const CrossSide& side : kCrossSides) {
        if (side.kind == kind) return &side;
    }
    return nullptr;
}

inline const CrossSide* crossSideNamed(std::string_view word) {
    for (const CrossSide& side : kCrossSides) {
        if (side.word == word) return &side;
    }
    return nullptr;
}

// What CHIRP writes into the tone columns a channel does not use.
inline constexpr std::string_view kUnusedCtcss = "88.5";
inline constexpr std::string_view kUnusedDcs = "023";
inline constexpr std::string_view kUnusedPolarity = "NN";
inline constexpr std::string_view kUnusedCrossMode = "Tone->Tone";

// DtcsPolarity letters, TX then RX: N normal, R reversed (the grid's "I").
inline constexpr char kPolarityNormal = 'N';
inline constexpr char kPolarityReversed = 'R';

// Mode words: narrow and wide FM.
inline constexpr std::string_view kModeNarrow = "NFM";
inline constexpr std::string_view kModeWide = "FM";

// Skip: out of the scan list; "P" (priority) and "" keep a channel in it.
inline constexpr std::string_view kSkipOut = "S";
inline constexpr std::string_view kSkipPriority = "P";

inline constexpr std::string_view kPowerLow = "Low";
inline constexpr std::string_view kPowerHigh = "High";
inline constexpr std::int64_t kLowPowerBelowMilliwatts = 3000;

// Frequencies and offsets are in MHz with six decimals.
inline constexpr int kMHzDecimals = 6;

inline std::optional<std::int64_t> microMHz(std::string_view text) {
    auto number = DecimalText::parse(text);
    if (!number) return std::nullopt;
    return number->roundedUnits(kMHzDecimals);
}

// The row the writer writes for channel `row` (in use). The reader leaves a
// channel alone when a row says what this says, so an export imported onto
// its own codeplug changes nothing.
Row exportedRow(const ChannelGrid& grid, int row);

}  // namespace pl63::chirp
