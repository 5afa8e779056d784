#include "channel_csv.h"

#include <array>
#include <set>

#include "csv_text.h"
#include "grid_texts.h"
#include "shown_text.h"
#include "tone_code.h"
#include "tone_entry.h"

namespace pl63 {
namespace {

constexpr std::array<std::string_view, kGridColumns> kColumnNames = {
    "CH", "RX Frequency", "RX Tone", "TX Frequency", "TX Tone", "Power", "Forbid", "Band", "Scan"};

// The CSV's own words for positions 0 and 1 of the list columns; plainer than
// the grid's English texts ("Hight", "Carrow", "Have"), which import accepts too.
constexpr std::array<std::array<std::string_view, 2>, 4> kListWords = {{
    {"Low", "High"},
    {"Off", "Carrier"},
    {"Narrow", "Wide"},
    {"No", "Yes"},
}};

std::string_view listWord(int col, int position) {
    return kListWords[col - ColPower][position];
}

std::string exportListCell(int col, const std::string& text) {
    if (text.empty()) return text;
    auto position = gridListPositionAnyLanguage(col, text, Language::English);
    return position ? std::string(listWord(col, *position)) : text;
}

// The CSV value of one cell, before quoting. A channel in use without a
// transmit frequency (receive only) says so in words: an empty field would
// mean "leave as is" to import, and a new channel gets TX = RX.
std::string exportCell(const ChannelGrid& grid, int row, int col) {
    if (!grid.inUse(row)) return {};
    const std::string& text = grid.text(row, col);
    if (col == ColTxFrequency && text.empty()) return std::string(kReceiveOnlyWord);
    if (col == ColRxTone || col == ColTxTone) {
        return isToneOffText(text) ? std::string(kToneOffText.en) : text;
    }
    if (isListColumn(col)) return exportListCell(col, text);
    return text;
}

// Digits 8 and 9 pass the tone editor, but a DCS code is octal: the radio
// gets another code, the one this returns.
std::optional<std::string> dcsCodeActuallyStored(const std::string& cell) {
    if (cell.size() < 2 || cell.front() != 'D') return std::nullopt;
    if (cell.find_first_of("89") == std::string::npos) return std::nullopt;
    auto code = encodeToneText(cell);
    if (!code) return std::nullopt;
    return decodeToneCode(*code);
}

std::optional<int> listPositionOfWord(int col, std::string_view word) {
    for (int position = 0; position < 2; ++position) {
        if (sameWord(word, listWord(col, position)) ||
            sameWord(word, gridListText(col, position, Language::English)) ||
            word == gridListText(col, position, Language::Chinese)) {
            return position;
        }
    }
    return std::nullopt;
}

ErrorText fieldError(int line, int column, std::string_view value, const ErrorText& why) {
    std::string name(kColumnNames[column]);
    std::string shown = shownText(value);
    return {"第 " + std::to_string(line) + " 行，第 " + std::to_string(column + 1) + " 列（" +
                name + "）「" + shown + "」：" + why.zh,
            "line " + std::to_string(line) + ", column " + std::to_string(column + 1) + " (" +
                name + ") \"" + shown + "\": " + why.en};
}

// Typed tone text as the tone editor's key filter would pass it; nothing when
// the filter would have dropped a character.
std::optional<std::string> filteredTone(std::string_view value) {
    std::string typed;
    for (char c : value) {
        auto kept = filterToneKey(c);
        if (!kept || *kept == '\b') return std::nullopt;
        typed += *kept;
    }
    return typed;
}

class RowImporter {
public:
    RowImporter(ChannelGrid& grid, FrequencyBand band, Language language,
                std::vector<ErrorText>* warnings)
        : grid_(grid), band_(band), language_(language), warnings_(warnings) {}

    std::optional<ErrorText> apply(const CsvRecord& record, int row) {
        line_ = record.line;
        auto field = [&](int col) {
            return col < static_cast<int>(record.fields.size()) ? trimmed(record.fields[col])
                                                                : std::string_view{};
        };
        if (field(ColRxFrequency).empty()) {
            for (int col = ColRxTone; col <= ColScan; ++col) {
                if (!field(col).empty()) {
                    return fieldError(line_, col, field(col),
                                      {"没有接收频率的信道不能有其他设置",
                                       "a channel without RX frequency has no other settings"});
                }
            }
            grid_.ClearNO(row);
            return std::nullopt;
        }
        // A value that is what export writes for the cell leaves the cell
        // alone: re-entering it could move a frequency that is off the
        // raster, or give a receive-only channel a transmit frequency, and an
        // exported file would not import back to the same codeplug. Each
        // cell is compared after the cells before it are in, since a new
        // receive frequency can bring the new-channel defaults.
        const auto unchanged = [&](int col) {
            return grid_.inUse(row) && field(col) == exportCell(grid_, row, col);
        };
        if (!unchanged(ColRxFrequency)) {
            if (auto error = frequency(row, ColRxFrequency, field(ColRxFrequency))) return error;
        }
        bool madeReceiveOnly = false;
        if (!unchanged(ColTxFrequency)) {
            if (auto error = frequency(row, ColTxFrequency, field(ColTxFrequency))) return error;
            madeReceiveOnly = sameWord(field(ColTxFrequency), kReceiveOnlyWord);
        }
        for (int col : {ColRxTone, ColTxTone}) {
            if (col == ColTxTone && madeReceiveOnly &&
                (field(col).empty() || sameWord(field(col), kToneOffText.en))) {
                // As a decoded receive-only channel shows it: no transmit tone.
                grid_.setText(row, col, {});
                continue;
            }
            if (unchanged(col)) continue;
            if (auto error = tone(row, col, field(col))) return error;
        }
        for (int col = ColPower; col <= ColScan; ++col) {
            if (unchanged(col)) continue;
            if (auto error = listCell(row, col, field(col))) return error;
        }
        return std::nullopt;
    }

private:
    std::optional<ErrorText> frequency(int row, int col, std::string_view value) {
        if (value.empty()) return std::nullopt;
        if (col == ColTxFrequency && sameWord(value, kReceiveOnlyWord)) {
            grid_.setText(row, col, {});
            return std::nullopt;
        }
        auto result = commitFrequency(grid_, row, col, value, band_, language_);
        if (result.outcome == FrequencyCommit::OutOfBand) {
            return fieldError(line_, col, value, result.message);
        }
        if (result.outcome == FrequencyCommit::Unchanged) {
            return fieldError(line_, col, value, {"不是频率", "not a frequency"});
        }
        return std::nullopt;
    }

    std::optional<ErrorText> tone(int row, int col, std::string_view value) {
        if (value.empty()) return std::nullopt;
        if (sameWord(value, kToneOffText.en) || value == kToneOffText.zh) {
            grid_.setText(row, col, kToneOffText.str(language_));
            return std::nullopt;
        }
        auto typed = filteredTone(value);
        if (!typed || commitTone(grid_, row, col, *typed) == ToneCommit::Unchanged) {
            return fieldError(line_, col, value,
                              {"不是亚音频（关闭、67.0 至 254.1 或 D023N 之类）",
                               "not a tone (Off, 67.0 to 254.1, or a code such as D023N)"});
        }
        const std::string& cell = grid_.text(row, col);
        if (auto stored = dcsCodeActuallyStored(cell); stored && warnings_) {
            warnings_->push_back(
                fieldError(line_, col, value,
                           {"DCS 码只有数字 0 至 7，" + cell + " 写入对讲机后是 " + *stored,
                            "DCS codes have only the digits 0 to 7; the radio gets " + cell +
                                " as " + *stored}));
        }
        return std::nullopt;
    }

    std::optional<ErrorText> listCell(int row, int col, std::string_view value) {
        if (value.empty()) return std::nullopt;
        auto position = listPositionOfWord(col, value);
        if (!position) {
            std::string en = std::string(listWord(col, 0)) + " or " + std::string(listWord(col, 1));
            std::string zh = std::string(gridListText(col, 0, Language::Chinese)) + "或" +
                             std::string(gridListText(col, 1, Language::Chinese));
            return fieldError(line_, col, value, {"应为" + zh, "expected " + en});
        }
        grid_.setText(row, col, std::string(gridListText(col, *position, language_)));
        grid_.choices().set(row, col, static_cast<std::int16_t>(*position));
        return std::nullopt;
    }

    ChannelGrid& grid_;
    FrequencyBand band_;
    Language language_;
    std::vector<ErrorText>* warnings_;
    int line_ = 0;
};

std::optional<ErrorText> checkHeader(const CsvRecord& header) {
    bool matches = header.fields.size() == kColumnNames.size();
    for (std::size_t i = 0; matches && i < kColumnNames.size(); ++i) {
        matches = sameWord(trimmed(header.fields[i]), kColumnNames[i]);
    }
    if (matches) return std::nullopt;
    std::string expected(channelCsvHeader());
    return lineError(header.line, {"第一行应为 " + expected, "the first line must be " + expected});
}

std::optional<int> channelNumber(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number < 1 || number > kChannelCount) return std::nullopt;
    return number;
}

}  // namespace

std::string_view channelCsvHeader() {
    return "CH,RX Frequency,RX Tone,TX Frequency,TX Tone,Power,Forbid,Band,Scan";
}

std::string exportChannelsCsv(const ChannelGrid& grid) {
    std::string csv(channelCsvHeader());
    csv += '\n';
    for (int row = 1; row <= kChannelCount; ++row) {
        csv += std::to_string(row);
        for (int col = ColRxFrequency; col <= ColScan; ++col) {
            csv += ',' + csvField(exportCell(grid, row, col));
        }
        csv += '\n';
    }
    return csv;
}

Status importChannelsCsv(std::string_view csv, ChannelGrid& grid, FrequencyBand band,
                         Language language, std::vector<ErrorText>* warnings) {
    auto records = parseCsv(csv);
    if (!records) return records.error();
    if (records.value().empty()) {
        return lineError(1, {"文件是空的", "the file is empty"});
    }
    if (auto error = checkHeader(records.value().front())) return *error;

    ChannelGrid edited = grid;
    std::vector<ErrorText> found;
    RowImporter importer(edited, band, language, &found);
    std::set<int> seen;
    for (std::size_t i = 1; i < records.value().size(); ++i) {
        const CsvRecord& record = records.value()[i];
        if (record.fields.size() > kColumnNames.size()) {
            return lineError(record.line, {"字段太多（最多 9 个）", "too many fields (at most 9)"});
        }
        std::string_view ch = trimmed(record.fields[0]);
        auto row = channelNumber(ch);
        if (!row) {
            return fieldError(record.line, ColNumber, ch,
                              {"信道号应为 1 至 16", "the channel number must be 1 to 16"});
        }
        if (!seen.insert(*row).second) {
            return fieldError(record.line, ColNumber, ch,
                              {"该信道已在前面出现", "this channel appears twice"});
        }
        if (auto error = importer.apply(record, *row)) return *error;
    }
    grid = edited;
    if (warnings) warnings->insert(warnings->end(), found.begin(), found.end());
    return Done{};
}

}  // namespace pl63
