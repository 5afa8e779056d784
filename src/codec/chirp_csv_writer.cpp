// CHIRP CSV out: one row per channel in use, in the words CHIRP itself would
// choose for it.
#include "chirp_columns.h"
#include "chirp_csv.h"
#include "csv_text.h"
#include "grid_texts.h"
#include "tone_entry.h"

namespace pl63 {
namespace chirp {
namespace {

// The value of a FreqText ("438.50625") in units of 1 Hz, read straight from
// its digits; nothing for any other text.
std::optional<std::int64_t> freqTextHz(std::string_view text) {
    constexpr std::size_t kPoint = 3, kLength = 9;
    if (text.size() != kLength || text[kPoint] != '.') return std::nullopt;
    std::int64_t value = 0;
    for (std::size_t i = 0; i < kLength; ++i) {
        if (i == kPoint) continue;
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value * 10;
}

// A frequency cell in MHz with six decimals; a cell that is no number (an
// image can hold any digits) is written as it is.
std::string sixDecimals(const std::string& cell, std::optional<std::int64_t> hz) {
    if (hz) return cell + '0';
    auto units = microMHz(cell);
    return units ? formatUnits(*units, kMHzDecimals) : cell;
}

struct ToneSetting {
    ToneKind kind = ToneKind::Off;
    std::string value;                // CTCSS value, or the three DCS digits
    char polarity = kPolarityNormal;  // CHIRP's letter for our N or I
};

ToneSetting toneSetting(const std::string& cell) {
    if (cell.empty() || isToneOffText(cell)) return {};
    if (cell.size() >= 3 && cell.front() == 'D' && (cell.back() == 'N' || cell.back() == 'I')) {
        std::string code = cell.substr(1, cell.size() - 2);
        if (code.size() < 3) code.insert(0, 3 - code.size(), '0');
        return {ToneKind::Dcs, code, cell.back() == 'I' ? kPolarityReversed : kPolarityNormal};
    }
    return {ToneKind::Ctcss, cell, kPolarityNormal};
}

void exportTones(const ToneSetting& tx, const ToneSetting& rx, Row& out) {
    out[RToneFreq] = kUnusedCtcss;
    out[CToneFreq] = kUnusedCtcss;
    out[DtcsCode] = kUnusedDcs;
    out[RxDtcsCode] = kUnusedDcs;
    out[CrossMode] = kUnusedCrossMode;
    std::string polarity(kUnusedPolarity);
    if (tx.kind == ToneKind::Dcs) polarity[0] = tx.polarity;
    if (rx.kind == ToneKind::Dcs) polarity[1] = rx.polarity;
    out[DtcsPolarity] = polarity;

    out[Tone] = kToneNone;
    if (tx.kind == ToneKind::Off && rx.kind == ToneKind::Off) return;
    if (tx.kind == ToneKind::Ctcss && rx.kind == ToneKind::Off) {
        out[Tone] = kToneSent;
        out[RToneFreq] = tx.value;
        return;
    }
    if (tx.kind == ToneKind::Ctcss && rx.kind == ToneKind::Ctcss && tx.value == rx.value) {
        out[Tone] = kToneSquelch;
        out[CToneFreq] = tx.value;
        return;
    }
    if (tx.kind == ToneKind::Dcs && rx.kind == ToneKind::Dcs && tx.value == rx.value) {
        out[Tone] = kToneDcs;
        out[DtcsCode] = tx.value;
        return;
    }
    out[Tone] = kToneCross;
    std::string mode;
    if (const CrossSide* side = crossSideOf(tx.kind)) {
        mode = side->word;
        out[side->transmitColumn] = tx.value;
    }
    mode += kCrossArrow;
    if (const CrossSide* side = crossSideOf(rx.kind)) {
        mode += side->word;
        out[side->receiveColumn] = rx.value;
    }
    out[CrossMode] = mode;
}

// The channel's raster: 5 kHz when it is on it, else 6.25 kHz.
std::string_view tuningStep(std::optional<std::int64_t> hz) {
    return hz && *hz % 5000 == 0 ? "5.00" : "6.25";
}

void exportFrequencies(const std::string& rx, const std::string& tx, Row& out) {
    const auto rxHz = freqTextHz(rx);
    out[Frequency] = sixDecimals(rx, rxHz);
    out[Offset] = "0.000000";
    out[TStep] = tuningStep(rxHz);
    if (tx.empty()) {
        out[Duplex] = kDuplexOff;
        return;
    }
    if (tx == rx) return;
    const auto txHz = freqTextHz(tx);
    auto rxUnits = rxHz ? rxHz : microMHz(rx);
    auto txUnits = txHz ? txHz : microMHz(tx);
    if (rxUnits && txUnits) {
        out[Duplex] = *txUnits > *rxUnits ? kDuplexPlus : kDuplexMinus;
        out[Offset] = formatUnits(*txUnits > *rxUnits ? *txUnits - *rxUnits : *rxUnits - *txUnits,
                                  kMHzDecimals);
    } else {
        out[Duplex] = kDuplexSplit;
        out[Offset] = sixDecimals(tx, txHz);
    }
}

}  // namespace

Row exportedRow(const ChannelGrid& grid, int row) {
    Row out;
    const std::string& tx = grid.text(row, ColTxFrequency);
    out[Location] = std::to_string(row);
    exportFrequencies(grid.text(row, ColRxFrequency), tx, out);
    const ToneSetting txTone = tx.empty() ? ToneSetting{} : toneSetting(grid.text(row, ColTxTone));
    exportTones(txTone, toneSetting(grid.text(row, ColRxTone)), out);

    auto position = [&](int col) {
        return gridListPositionAnyLanguage(col, grid.text(row, col), Language::English);
    };
    out[Mode] = position(ColBandWidth) == 0 ? kModeNarrow : kModeWide;
    out[Skip] = position(ColScan) == 0 ? kSkipOut : "";
    out[Power] = position(ColPower) == 0 ? kPowerLow : kPowerHigh;
    return out;
}

}  // namespace chirp

std::string_view chirpCsvHeader() {
    static const std::string header = [] {
        std::string joined;
        for (std::string_view name : chirp::kColumnNames) {
            if (!joined.empty()) joined += ',';
            joined += name;
        }
        return joined;
    }();
    return header;
}

std::string exportChirpCsv(const ChannelGrid& grid) {
    std::string csv(chirpCsvHeader());
    csv += '\n';
    csv.reserve(csv.size() + kChannelCount * 128);
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!grid.inUse(row)) continue;
        const chirp::Row fields = chirp::exportedRow(grid, row);
        for (int column = 0; column < chirp::kColumnCount; ++column) {
            if (column > 0) csv += ',';
            const std::string& field = fields[column];
            if (field.find_first_of(",\"\r\n ") == std::string::npos) {
                csv += field;
            } else {
                csv += csvField(field);
            }
        }
        csv += '\n';
    }
    return csv;
}

}  // namespace pl63
