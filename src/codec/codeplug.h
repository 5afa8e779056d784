#pragma once
// The codeplug model the windows view and the codec fills: the channel grid's
// texts with their ChoiceIndexTable, the "Function Set" and band selections,
// and the option stores with their start-up values.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "bilingual.h"

namespace pl63 {

constexpr int kChannelCount = 16;
constexpr int kGridColumns = 9;

// Columns of the channel grid (Grid1).
enum GridColumn : int {
    ColNumber = 0,
    ColRxFrequency = 1,
    ColRxTone = 2,
    ColTxFrequency = 3,
    ColTxTone = 4,
    ColPower = 5,
    ColForbid = 6,
    ColBandWidth = 7,
    ColScan = 8,
};

// 16 rows x 4 list positions (power, forbid, band width, scan), kept beside the
// grid texts; what the list editors start from and what a language switch uses.
class ChoiceIndexTable {
public:
    // row 1..16, col ColPower..ColScan
    std::int16_t at(int row, int col) const { return entries_[row - 1][col - ColPower]; }
    void set(int row, int col, std::int16_t position) {
        entries_[row - 1][col - ColPower] = position;
    }
    bool operator==(const ChoiceIndexTable&) const = default;

private:
    std::array<std::array<std::int16_t, 4>, kChannelCount> entries_{};
};

// The 16 bytes of one channel record as an image held them.
using ChannelRecordBytes = std::array<std::uint8_t, 16>;

// The 16 x 9 cell texts of the channel grid: the channels as the user sees and
// edits them. Rows are 1..16 (channel numbers), columns 0..8; column 0 holds
// "01".."16". Beside them each row keeps the record it was decoded from: a
// record can hold what no cell shows (a tone code outside the list, bytes the
// radio software never sets), and a row the user has not changed goes back
// into the image as those bytes rather than as a guess from its texts.
class ChannelGrid {
public:
    ChannelGrid();

    const std::string& text(int row, int col) const { return cells_[row - 1][col]; }
    void setText(int row, int col, std::string text) { cells_[row - 1][col] = std::move(text); }
    bool inUse(int row) const { return !text(row, ColRxFrequency).empty(); }

    // Nothing for a row not decoded since New or since the grid was created.
    const std::optional<ChannelRecordBytes>& decodedRecord(int row) const {
        return decodedRecords_[row - 1];
    }
    void keepDecodedRecord(int row, const ChannelRecordBytes& record) {
        decodedRecords_[row - 1] = record;
    }

    ChoiceIndexTable& choices() { return choices_; }
    const ChoiceIndexTable& choices() const { return choices_; }

    // Empties columns 1-8 of one row and resets its choices to 0.
    void ClearNO(int row);
    // ClearNO for every row (a confirmed band change).
    void ClearGrid();
    // Empties columns 1-8 of every row in use, choices left as they are (New).
    // Every row forgets its decoded record: New starts from blank records.
    void ClearGrid1();
    // After a language switch: Off texts of the tone columns and the list
    // cells of every row in use are rewritten in the new language.
    void SetGrid1Text(Language newLanguage);

    bool operator==(const ChannelGrid&) const = default;

private:
    std::array<std::array<std::string, kGridColumns>, kChannelCount> cells_;
    ChoiceIndexTable choices_;
    std::array<std::optional<ChannelRecordBytes>, kChannelCount> decodedRecords_;
};

// Selections of the main window's "Function Set" lists (list positions,
// -1 = no selection) and its two check boxes.
struct FunctionSet {
    std::int16_t timeOut = 11;      // Combo3, 15 S .. 600 S; byte = position + 1
    std::int16_t timeOutWarn = 0;   // Combo4, Off, 1 S .. 10 S
    std::int16_t squelchGrade = 4;  // Combo9, 0 .. 9
    std::int16_t voicePrompt = 1;   // Combo2, Off / Chinese / English
    std::int16_t batterySave = 1;   // Combo6
    std::int16_t beep = 1;          // Combo7
    std::int16_t voxFunction = 0;   // Combo11
    std::int16_t voxGain = 0;       // Combo13, Off, 1 .. 10
    std::int16_t voxDelay = 0;      // Combo12, 0.3S .. 3S
    bool cancelOperation = false;   // Check3
    bool rxBannedVox = false;       // Check4

    bool operator==(const FunctionSet&) const = default;
};

struct Codeplug {
    Codeplug();

    ChannelGrid channels;
    FunctionSet functions;

    std::int16_t band = 0;  // Combo1 position, see BandCode

    // Option stores (program level in the radio software; here one codeplug).
    // Texts that live in character fields (ID and PTT ID codes, DTMF codes,
    // password, embedded information) hold the radio's single-byte character
    // codes as they are, one char per image byte; a window converts them for
    // display (Latin-1) rather than the codec guessing an encoding.
    std::array<int, 8> DtmfSettings{};             // first digit delay (index 2) in ms
    std::array<std::string, 24> OptionalSettings;  // decimal texts, see the start-up values
    int Pf1Key = 10;
    int Pf2Key = 0;
    std::array<std::string, 8> DtmfCodes;
    std::array<std::array<std::string, 2>, kChannelCount> TestFrequencies;  // [row-1][0 RX, 1 TX]
    std::array<std::string, 2> EmbeddedInfo;
    int TxHighPowerTune = 208;
    int TxLowPowerTune = 92;
    std::string CommPassword;

    bool operator==(const Codeplug&) const = default;
};

}  // namespace pl63
