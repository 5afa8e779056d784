// CHIRP CSV in, the file as a whole: which columns it has, where its rows
// go, and what becomes of a row that does not fit. Each row is read by
// chirp_row_reader.cpp.
#include <algorithm>

#include "chirp_csv.h"
#include "chirp_row_reader.h"
#include "shown_text.h"

namespace pl63 {
namespace chirp {
namespace {

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
}  // namespace chirp

ChannelCsvFormat detectChannelCsvFormat(std::string_view csv) {
    auto records = parseCsv(csv.substr(0, csv.find('\n')));
    if (!records || records.value().empty()) return ChannelCsvFormat::Pl63;
    const auto map = chirp::mapColumns(records.value().front());
    return map && map->at[chirp::Location] >= 0 ? ChannelCsvFormat::Chirp : ChannelCsvFormat::Pl63;
}

Result<std::vector<LeftOutRow>> importChirpCsv(std::string_view csv, ChannelGrid& grid,
                                               FrequencyBand band, Language language,
                                               UnfitRows unfitRows, int* imported) {
    using namespace chirp;
    auto records = parseCsv(csv);
    if (!records) return records.error();
    if (records.value().empty()) return lineError(1, {"文件是空的", "the file is empty"});
    const auto map = mapColumns(records.value().front());
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
        leftOut.push_back({record.line, std::string(RowFields(*map, record)[Frequency]), text});
        return std::nullopt;
    };

    // Placement first: by Location when every one is a channel number.
    std::vector<Placed> rows;
    for (std::size_t i = 1; i < records.value().size(); ++i) {
        const CsvRecord& record = records.value()[i];
        std::int64_t location = static_cast<std::int64_t>(i);
        if (map->at[Location] >= 0) {
            const std::string_view text = RowFields(*map, record)[Location];
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
    RowReader reader(edited, band, language);
    std::array<int, kChannelCount + 1> takenBy{};
    int filled = 0;
    for (const Placed& placed : rows) {
        const CsvRecord& record = *placed.record;
        const RowFields in(*map, record);
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
        if (grid.inUse(row) && sameMeaning(in.meaningful(), exportedRow(grid, row))) {
            // What the export wrote for this very channel: leave it as it is,
            // whatever its cells hold that typing could not reproduce.
        } else {
            std::array<std::string, kGridColumns> texts;
            for (int col = 0; col < kGridColumns; ++col) texts[col] = edited.text(row, col);
            const ChoiceIndexTable choices = edited.choices();
            const std::int16_t forbid = grid.inUse(row) ? grid.choices().at(row, ColForbid) : 0;
            if (auto why = reader.apply(in, row, forbid)) {
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
    if (imported) *imported = filled;
    return leftOut;
}

ErrorText leftOutHeading(int imported) {
    if (imported > 0) {
        return {"对讲机容纳不下这些行，其他行已导入：",
                "The radio cannot hold these rows; the others were imported:"};
    }
    return {"对讲机容纳不下这些行，没有导入任何行：",
            "The radio cannot hold these rows; nothing was imported:"};
}

ErrorText leftOutLine(const LeftOutRow& row) {
    const std::string line = std::to_string(row.line);
    const std::string frequency = shownText(row.frequency);
    return {"第 " + line + " 行（" + frequency + "）：" + row.reason.zh,
            "line " + line + " (" + frequency + "): " + row.reason.en};
}

}  // namespace pl63
