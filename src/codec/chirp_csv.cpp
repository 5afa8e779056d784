#include "chirp_csv.h"

#include <algorithm>
#include <array>
#include <optional>

#include "csv_text.h"
#include "decimal_text.h"
#include "grid_texts.h"
#include "shown_text.h"
#include "tone_entry.h"

namespace pl63 {
namespace {

enum ChirpColumn : int {
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
    kChirpColumns
};

constexpr std::array<std::string_view, kChirpColumns> kColumnNames = {
    "Location", "Name",       "Frequency", "Duplex",    "Offset", "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
    "Skip",     "Power",      "Comment",   "URCALL",    "RPT1CALL", "RPT2CALL", "DVCODE"};

// The columns that say something about a channel; the others never change it.
constexpr std::array<int, 13> kMeaningful = {Frequency, Duplex,   Offset,       Tone,
                                             RToneFreq, CToneFreq, DtcsCode,    DtcsPolarity,
                                             RxDtcsCode, CrossMode, Mode,       Skip,
                                             Power};

// What CHIRP writes into the tone columns a channel does not use.
constexpr std::string_view kUnusedCtcss = "88.5";
constexpr std::string_view kUnusedDcs = "023";
constexpr std::string_view kUnusedPolarity = "NN";
constexpr std::string_view kUnusedCrossMode = "Tone->Tone";

constexpr int kMHzDecimals = 6;
constexpr std::int64_t kLowPowerBelowMilliwatts = 3000;

using ChirpRow = std::array<std::string, kChirpColumns>;

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string asciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = lowerAscii(c);
    return lower;
}

bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// ---- export ----------------------------------------------------------------

std::optional<std::int64_t> microMHz(std::string_view text) {
    auto number = DecimalText::parse(text);
    if (!number) return std::nullopt;
    return number->roundedUnits(kMHzDecimals);
}

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

enum class ToneKind { Off, Ctcss, Dcs };

struct ToneSetting {
    ToneKind kind = ToneKind::Off;
    std::string value;      // CTCSS value, or the three DCS digits
    char polarity = 'N';    // CHIRP's letter: N, or R for our "I"
};

ToneSetting toneSetting(const std::string& cell) {
    if (cell.empty() || isToneOffText(cell)) return {};
    if (cell.size() >= 3 && cell.front() == 'D' && (cell.back() == 'N' || cell.back() == 'I')) {
        std::string code = cell.substr(1, cell.size() - 2);
        if (code.size() < 3) code.insert(0, 3 - code.size(), '0');
        return {ToneKind::Dcs, code, cell.back() == 'I' ? 'R' : 'N'};
    }
    return {ToneKind::Ctcss, cell, 'N'};
}

void exportTones(const ToneSetting& tx, const ToneSetting& rx, ChirpRow& out) {
    out[RToneFreq] = kUnusedCtcss;
    out[CToneFreq] = kUnusedCtcss;
    out[DtcsCode] = kUnusedDcs;
    out[RxDtcsCode] = kUnusedDcs;
    out[CrossMode] = kUnusedCrossMode;
    std::string polarity(kUnusedPolarity);
    if (tx.kind == ToneKind::Dcs) polarity[0] = tx.polarity;
    if (rx.kind == ToneKind::Dcs) polarity[1] = rx.polarity;
    out[DtcsPolarity] = polarity;

    if (tx.kind == ToneKind::Off && rx.kind == ToneKind::Off) return;
    if (tx.kind == ToneKind::Ctcss && rx.kind == ToneKind::Off) {
        out[Tone] = "Tone";
        out[RToneFreq] = tx.value;
        return;
    }
    if (tx.kind == ToneKind::Ctcss && rx.kind == ToneKind::Ctcss && tx.value == rx.value) {
        out[Tone] = "TSQL";
        out[CToneFreq] = tx.value;
        return;
    }
    if (tx.kind == ToneKind::Dcs && rx.kind == ToneKind::Dcs && tx.value == rx.value) {
        out[Tone] = "DTCS";
        out[DtcsCode] = tx.value;
        return;
    }
    out[Tone] = "Cross";
    std::string mode;
    if (tx.kind == ToneKind::Ctcss) {
        mode = "Tone";
        out[RToneFreq] = tx.value;
    } else if (tx.kind == ToneKind::Dcs) {
        mode = "DTCS";
        out[DtcsCode] = tx.value;
    }
    mode += "->";
    if (rx.kind == ToneKind::Ctcss) {
        mode += "Tone";
        out[CToneFreq] = rx.value;
    } else if (rx.kind == ToneKind::Dcs) {
        mode += "DTCS";
        out[RxDtcsCode] = rx.value;
    }
    out[CrossMode] = mode;
}

// The channel's raster: 5 kHz when it is on it, else 6.25 kHz.
std::string_view tuningStep(std::optional<std::int64_t> hz) {
    return hz && *hz % 5000 == 0 ? "5.00" : "6.25";
}

ChirpRow exportRow(const ChannelGrid& grid, int row) {
    ChirpRow out;
    const std::string& rx = grid.text(row, ColRxFrequency);
    const std::string& tx = grid.text(row, ColTxFrequency);
    const auto rxHz = freqTextHz(rx);
    out[Location] = std::to_string(row);
    out[Frequency] = sixDecimals(rx, rxHz);
    out[Offset] = "0.000000";
    if (tx.empty()) {
        out[Duplex] = "off";
    } else if (tx != rx) {
        const auto txHz = freqTextHz(tx);
        auto rxUnits = rxHz ? rxHz : microMHz(rx);
        auto txUnits = txHz ? txHz : microMHz(tx);
        if (rxUnits && txUnits) {
            out[Duplex] = *txUnits > *rxUnits ? "+" : "-";
            out[Offset] = formatUnits(*txUnits > *rxUnits ? *txUnits - *rxUnits
                                                          : *rxUnits - *txUnits,
                                      kMHzDecimals);
        } else {
            out[Duplex] = "split";
            out[Offset] = sixDecimals(tx, txHz);
        }
    }
    const ToneSetting txTone = tx.empty() ? ToneSetting{} : toneSetting(grid.text(row, ColTxTone));
    exportTones(txTone, toneSetting(grid.text(row, ColRxTone)), out);

    auto position = [&](int col) {
        return gridListPositionAnyLanguage(col, grid.text(row, col), Language::English);
    };
    const auto band = position(ColBandWidth);
    out[Mode] = band == 0 ? "NFM" : "FM";
    out[TStep] = tuningStep(rxHz);
    out[Skip] = position(ColScan) == 0 ? "S" : "";
    out[Power] = position(ColPower) == 0 ? "Low" : "High";
    return out;
}

// ---- import ----------------------------------------------------------------

// Where each CHIRP column is in the file (-1 when it is not).
struct ColumnMap {
    std::array<int, kChirpColumns> at{};
};

struct Unfit {
    int column = -1;  // CHIRP column, or -1 for the row as a whole
    std::string value;
    ErrorText why;
};

class ChirpTable {
public:
    ChirpTable(const ColumnMap& map, const CsvRecord& record) : map_(map), record_(record) {}

    std::string_view operator[](int column) const {
        const int at = map_.at[column];
        if (at < 0 || at >= static_cast<int>(record_.fields.size())) return {};
        return trimmed(record_.fields[at]);
    }
    ChirpRow meaningful() const {
        ChirpRow row;
        for (int column : kMeaningful) row[column] = std::string((*this)[column]);
        return row;
    }
    int line() const { return record_.line; }

private:
    const ColumnMap& map_;
    const CsvRecord& record_;
};

bool sameMeaning(const ChirpRow& a, const ChirpRow& b) {
    return std::all_of(kMeaningful.begin(), kMeaningful.end(),
                       [&](int column) { return a[column] == b[column]; });
}

Unfit unfit(int column, std::string_view value, ErrorText why) {
    return {column, std::string(value), std::move(why)};
}

void setListCell(ChannelGrid& grid, int row, int col, int position, Language language) {
    grid.setText(row, col, std::string(gridListText(col, position, language)));
    grid.choices().set(row, col, static_cast<std::int16_t>(position));
}

// One tone as CHIRP's columns give it, made into what typing it gives.
struct ToneSource {
    ToneKind kind = ToneKind::Off;
    int column = -1;          // where the value came from
    int polarityIndex = 0;    // 0 TX, 1 RX letter of DtcsPolarity
};

struct TonePair {
    ToneSource tx, rx;
};

class RowApplier {
public:
    RowApplier(ChannelGrid& grid, FrequencyBand band, Language language)
        : grid_(grid), band_(band), language_(language) {}

    std::optional<Unfit> apply(const ChirpTable& in, int row, std::int16_t forbid) {
        grid_.ClearNO(row);
        if (auto error = frequencies(in, row)) return error;
        if (auto error = tones(in, row)) return error;
        if (auto error = mode(in, row)) return error;
        if (auto error = power(in, row)) return error;
        if (auto error = skip(in, row)) return error;
        setListCell(grid_, row, ColForbid, forbid, language_);
        return std::nullopt;
    }

private:
    std::optional<Unfit> frequency(int row, int gridColumn, int column, std::string_view shown,
                                   std::string_view typed) {
        auto result = commitFrequency(grid_, row, gridColumn, typed, band_, language_);
        if (result.outcome == FrequencyCommit::OutOfBand) return unfit(column, shown, result.message);
        if (result.outcome == FrequencyCommit::Unchanged || typed.empty()) {
            return unfit(column, shown, {"不是频率", "not a frequency"});
        }
        return std::nullopt;
    }

    std::optional<Unfit> frequencies(const ChirpTable& in, int row) {
        const std::string_view rx = in[Frequency];
        if (rx.empty()) return unfit(Frequency, rx, {"没有频率", "no frequency"});
        if (auto error = frequency(row, ColRxFrequency, Frequency, rx, rx)) return error;

        const std::string duplex = asciiLower(in[Duplex]);
        const std::string_view offset = in[Offset];
        if (duplex.empty()) return std::nullopt;  // the new channel's TX = RX
        if (duplex == "off") {
            grid_.setText(row, ColTxFrequency, {});
            return std::nullopt;
        }
        if (duplex == "split") {
            return frequency(row, ColTxFrequency, Offset, offset, offset);
        }
        if (duplex != "+" && duplex != "-") {
            return unfit(Duplex, in[Duplex],
                         {"应为空、+、-、split 或 off", "expected empty, +, -, split or off"});
        }
        auto rxUnits = microMHz(rx);
        if (!rxUnits) return unfit(Frequency, rx, {"不是频率", "not a frequency"});
        auto offsetUnits = offset.empty() ? std::optional<std::int64_t>(0) : microMHz(offset);
        if (!offsetUnits) return unfit(Offset, offset, {"不是频差", "not an offset"});
        const std::int64_t tx = duplex == "+" ? *rxUnits + *offsetUnits : *rxUnits - *offsetUnits;
        if (tx <= 0) {
            return unfit(Offset, offset, {"发射频率低于零", "the transmit frequency is below zero"});
        }
        const std::string txText = formatUnits(tx, kMHzDecimals);
        if (auto error = frequency(row, ColTxFrequency, Offset, offset, txText)) {
            error->why = {"发射频率 " + txText + "：" + error->why.zh,
                          "transmit frequency " + txText + ": " + error->why.en};
            return error;
        }
        return std::nullopt;
    }

    std::optional<Unfit> crossSide(const ChirpTable& in, std::string_view side, bool transmit,
                                   ToneSource& source) {
        if (side.empty()) return std::nullopt;
        if (side == "Tone") {
            source = {ToneKind::Ctcss, transmit ? RToneFreq : CToneFreq, transmit ? 0 : 1};
        } else if (side == "DTCS") {
            source = {ToneKind::Dcs, transmit ? DtcsCode : RxDtcsCode, transmit ? 0 : 1};
        } else {
            return unfit(CrossMode, in[CrossMode], {"不认识的交叉方式", "not a cross mode"});
        }
        return std::nullopt;
    }

    std::optional<Unfit> tonePair(const ChirpTable& in, TonePair& pair) {
        const std::string_view mode = in[Tone];
        if (mode.empty()) return std::nullopt;
        if (mode == "Tone") {
            pair.tx = {ToneKind::Ctcss, RToneFreq, 0};
        } else if (mode == "TSQL") {
            pair.tx = {ToneKind::Ctcss, CToneFreq, 0};
            pair.rx = {ToneKind::Ctcss, CToneFreq, 1};
        } else if (mode == "DTCS") {
            pair.tx = {ToneKind::Dcs, DtcsCode, 0};
            pair.rx = {ToneKind::Dcs, DtcsCode, 1};
        } else if (mode == "TSQL-R" || mode == "DTCS-R") {
            return unfit(Tone, mode, {"对讲机没有反向静噪", "the radio has no reverse squelch"});
        } else if (mode == "Cross") {
            const std::string_view cross = in[CrossMode];
            const auto arrow = cross.find("->");
            if (arrow == std::string_view::npos || cross == "->") {
                return unfit(CrossMode, cross, {"不认识的交叉方式", "not a cross mode"});
            }
            if (auto error = crossSide(in, cross.substr(0, arrow), true, pair.tx)) return error;
            if (auto error = crossSide(in, cross.substr(arrow + 2), false, pair.rx)) return error;
        } else {
            return unfit(Tone, mode,
                         {"应为空、Tone、TSQL、DTCS 或 Cross",
                          "expected empty, Tone, TSQL, DTCS or Cross"});
        }
        return std::nullopt;
    }

    // The text typing the tone would commit, or why it cannot be typed.
    std::optional<Unfit> toneText(const ChirpTable& in, const ToneSource& source,
                                  std::string& text) {
        if (source.kind == ToneKind::Off) {
            text = kToneOffText.str(language_);
            return std::nullopt;
        }
        const std::string_view value = in[source.column];
        if (source.kind == ToneKind::Ctcss) {
            auto normal = DecimalText::parse(value) ? normaliseTone(value) : std::nullopt;
            if (!normal) {
                return unfit(source.column, value,
                             {"不是 67.0 至 254.1 的亚音频", "not a CTCSS tone from 67.0 to 254.1"});
            }
            text = *normal;
            return std::nullopt;
        }
        const bool octal = !value.empty() && value.size() <= 3 &&
                           std::all_of(value.begin(), value.end(),
                                       [](char c) { return c >= '0' && c <= '7'; });
        if (!octal) {
            return unfit(source.column, value,
                         {"不是 DCS 码（三位八进制数字）", "not a DCS code (three octal digits)"});
        }
        std::string_view polarity = in[DtcsPolarity];
        if (polarity.empty()) polarity = kUnusedPolarity;
        const bool polarityValid =
            polarity.size() == 2 && std::all_of(polarity.begin(), polarity.end(), [](char c) {
                return c == 'N' || c == 'R' || c == 'n' || c == 'r';
            });
        if (!polarityValid) {
            return unfit(DtcsPolarity, polarity,
                         {"应为两个字母 N 或 R（先发射后接收）",
                          "expected two letters N or R (transmit first)"});
        }
        const char letter = polarity[source.polarityIndex];
        auto normal = normaliseTone("D" + std::string(value) +
                                    (letter == 'R' || letter == 'r' ? "I" : "N"));
        text = normal.value_or(std::string());
        return std::nullopt;
    }

    std::optional<Unfit> tones(const ChirpTable& in, int row) {
        TonePair pair;
        if (auto error = tonePair(in, pair)) return error;
        std::string tx, rx;
        if (auto error = toneText(in, pair.tx, tx)) return error;
        if (auto error = toneText(in, pair.rx, rx)) return error;
        grid_.setText(row, ColRxTone, rx);
        // A receive-only channel shows no transmit tone, as a decoded one does.
        grid_.setText(row, ColTxTone, grid_.text(row, ColTxFrequency).empty() ? std::string() : tx);
        return std::nullopt;
    }

    std::optional<Unfit> mode(const ChirpTable& in, int row) {
        const std::string_view value = in[Mode];
        if (value.empty()) return std::nullopt;
        if (sameWord(value, "NFM") || sameWord(value, "FM")) {
            setListCell(grid_, row, ColBandWidth, sameWord(value, "FM") ? 1 : 0, language_);
            return std::nullopt;
        }
        return unfit(Mode, value,
                     {"对讲机只有 FM（宽带）和 NFM（窄带）", "the radio does only FM (wide) and NFM (narrow)"});
    }

    std::optional<Unfit> power(const ChirpTable& in, int row) {
        std::string_view value = in[Power];
        if (value.empty()) return std::nullopt;
        int position = -1;
        if (sameWord(value, "low")) {
            position = 0;
        } else if (sameWord(value, "high")) {
            position = 1;
        } else {
            std::string_view watts = value;
            if (!watts.empty() && (watts.back() == 'W' || watts.back() == 'w')) {
                watts = trimmed(watts.substr(0, watts.size() - 1));
            }
            auto number = DecimalText::parse(watts);
            auto milliwatts = number ? number->roundedUnits(3) : std::nullopt;
            if (milliwatts) position = *milliwatts < kLowPowerBelowMilliwatts ? 0 : 1;
        }
        if (position < 0) {
            return unfit(Power, value, {"应为 Low、High 或瓦数", "expected Low, High or watts"});
        }
        setListCell(grid_, row, ColPower, position, language_);
        return std::nullopt;
    }

    std::optional<Unfit> skip(const ChirpTable& in, int row) {
        const std::string_view value = in[Skip];
        if (value.empty() || sameWord(value, "P")) return std::nullopt;
        if (sameWord(value, "S")) {
            setListCell(grid_, row, ColScan, 0, language_);
            return std::nullopt;
        }
        return unfit(Skip, value, {"应为空、S 或 P", "expected empty, S or P"});
    }

    ChannelGrid& grid_;
    FrequencyBand band_;
    Language language_;
};

std::optional<ColumnMap> chirpColumns(const CsvRecord& header) {
    ColumnMap map;
    map.at.fill(-1);
    for (int i = 0; i < static_cast<int>(header.fields.size()); ++i) {
        const std::string_view name = trimmed(header.fields[i]);
        for (int column = 0; column < kChirpColumns; ++column) {
            if (sameWord(name, kColumnNames[column]) && map.at[column] < 0) map.at[column] = i;
        }
    }
    if (map.at[Frequency] < 0) return std::nullopt;
    return map;
}

std::string unfitText(const Unfit& why, const ColumnMap& map, Language language) {
    if (why.column < 0) return why.why.in(language);
    const std::string number = std::to_string(map.at[why.column] + 1);
    const std::string name(kColumnNames[why.column]);
    const std::string shown = shownText(why.value);
    if (language == Language::English) {
        return "column " + number + " (" + name + ") \"" + shown + "\": " + why.why.en;
    }
    return "第 " + number + " 列（" + name + "）「" + shown + "」：" + why.why.zh;
}

ErrorText lineError(int line, const ErrorText& why) {
    return {"第 " + std::to_string(line) + " 行：" + why.zh,
            "line " + std::to_string(line) + ": " + why.en};
}

std::optional<std::int64_t> locationNumber(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    std::int64_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

struct Placed {
    const CsvRecord* record;
    std::int64_t location;
};

}  // namespace

ChannelCsvFormat detectChannelCsvFormat(std::string_view csv) {
    auto records = parseCsv(csv.substr(0, csv.find('\n')));
    if (!records || records.value().empty()) return ChannelCsvFormat::Pl63;
    bool location = false, frequency = false;
    for (const std::string& field : records.value().front().fields) {
        location = location || sameWord(trimmed(field), "Location");
        frequency = frequency || sameWord(trimmed(field), "Frequency");
    }
    return location && frequency ? ChannelCsvFormat::Chirp : ChannelCsvFormat::Pl63;
}

std::string_view chirpCsvHeader() {
    return "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
           "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
           "RPT2CALL,DVCODE";
}

std::string exportChirpCsv(const ChannelGrid& grid) {
    std::string csv(chirpCsvHeader());
    csv += '\n';
    csv.reserve(csv.size() + kChannelCount * 128);
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!grid.inUse(row)) continue;
        const ChirpRow fields = exportRow(grid, row);
        for (int column = 0; column < kChirpColumns; ++column) {
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

Result<std::vector<LeftOutRow>> importChirpCsv(std::string_view csv, ChannelGrid& grid,
                                               FrequencyBand band, Language language,
                                               UnfitRows unfitRows) {
    auto records = parseCsv(csv);
    if (!records) return records.error();
    if (records.value().empty()) return lineError(1, {"文件是空的", "the file is empty"});
    const auto map = chirpColumns(records.value().front());
    if (!map) {
        return lineError(records.value().front().line,
                         {"第一行没有 Frequency 列", "the first line names no Frequency column"});
    }

    std::vector<LeftOutRow> leftOut;
    auto reject = [&](const CsvRecord& record, const Unfit& why) -> std::optional<ErrorText> {
        const ErrorText text{unfitText(why, *map, Language::Chinese),
                             unfitText(why, *map, Language::English)};
        if (unfitRows == UnfitRows::Refuse) {
            if (why.column < 0) return lineError(record.line, text);
            const std::string line = std::to_string(record.line);
            return ErrorText{"第 " + line + " 行，" + text.zh, "line " + line + ", " + text.en};
        }
        leftOut.push_back({record.line, std::string(ChirpTable(*map, record)[Frequency]), text});
        return std::nullopt;
    };

    // Placement first: by Location when every one is a channel number.
    std::vector<Placed> rows;
    for (std::size_t i = 1; i < records.value().size(); ++i) {
        const CsvRecord& record = records.value()[i];
        std::int64_t location = static_cast<std::int64_t>(i);
        if (map->at[Location] >= 0) {
            const std::string_view text = ChirpTable(*map, record)[Location];
            auto number = locationNumber(text);
            if (!number) {
                if (auto error = reject(record, unfit(Location, text,
                                                      {"不是位置号", "not a location number"})))
                    return *error;
                continue;
            }
            location = *number;
        }
        rows.push_back({&record, location});
    }
    const bool byLocation =
        map->at[Location] >= 0 && std::all_of(rows.begin(), rows.end(), [](const Placed& p) {
            return p.location >= 1 && p.location <= kChannelCount;
        });
    if (!byLocation) {
        std::stable_sort(rows.begin(), rows.end(), [](const Placed& a, const Placed& b) {
            return a.location < b.location;
        });
    }

    ChannelGrid edited = grid;
    RowApplier applier(edited, band, language);
    std::array<int, kChannelCount + 1> takenBy{};
    int filled = 0;
    for (const Placed& placed : rows) {
        const CsvRecord& record = *placed.record;
        const ChirpTable in(*map, record);
        const int row = byLocation ? static_cast<int>(placed.location) : filled + 1;
        if (row > kChannelCount) {
            const Unfit full{-1, {}, {"对讲机只有 16 个信道，已被前面的行占满",
                                      "the radio has 16 channels, all filled by earlier rows"}};
            if (auto error = reject(record, full)) return *error;
            continue;
        }
        if (takenBy[row] != 0) {
            const std::string other = std::to_string(takenBy[row]);
            if (auto error = reject(record, unfit(Location, in[Location],
                                                  {"信道已被第 " + other + " 行占用",
                                                   "the channel is taken by line " + other})))
                return *error;
            continue;
        }
        if (grid.inUse(row) && sameMeaning(in.meaningful(), exportRow(grid, row))) {
            // What the export wrote for this very channel: leave it as it is,
            // whatever its cells hold that typing could not reproduce.
        } else {
            std::array<std::string, kGridColumns> texts;
            for (int col = 0; col < kGridColumns; ++col) texts[col] = edited.text(row, col);
            const ChoiceIndexTable choices = edited.choices();
            const std::int16_t forbid = grid.inUse(row) ? grid.choices().at(row, ColForbid) : 0;
            if (auto why = applier.apply(in, row, forbid)) {
                for (int col = 0; col < kGridColumns; ++col) edited.setText(row, col, texts[col]);
                edited.choices() = choices;
                if (auto error = reject(record, *why)) return *error;
                continue;
            }
        }
        takenBy[row] = record.line;
        ++filled;
    }
    grid = edited;
    return leftOut;
}

}  // namespace pl63
