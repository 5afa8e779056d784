#pragma once
// One CHIRP row into one grid row, every value through the grid's entry
// rules, so an imported channel is one a user could have typed. Where the
// rows go and what happens to a row that does not fit is the file-level
// reader's business (chirp_csv_reader.cpp).
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "chirp_columns.h"
#include "csv_text.h"
#include "frequency_entry.h"
#include "result.h"

namespace pl63::chirp {

// Where each CHIRP column is in the file (-1 when it is not).
struct ColumnMap {
    std::array<int, kColumnCount> at{};
};

// The header's columns by name, any order and letter case; nothing when it
// names no Frequency column.
std::optional<ColumnMap> mapColumns(const CsvRecord& header);

// One record's fields by CHIRP column, without the blanks around them; empty
// for a column the file does not have.
class RowFields {
public:
    RowFields(const ColumnMap& map, const CsvRecord& record) : map_(map), record_(record) {}

    std::string_view operator[](int column) const {
        const int at = map_.at[column];
        if (at < 0 || at >= static_cast<int>(record_.fields.size())) return {};
        return trimmed(record_.fields[at]);
    }
    Row meaningful() const {
        Row row;
        for (int column : kMeaningful) row[column] = std::string((*this)[column]);
        return row;
    }
    int line() const { return record_.line; }

private:
    const ColumnMap& map_;
    const CsvRecord& record_;
};

bool sameMeaning(const Row& a, const Row& b);

// Why a row does not fit the radio.
struct Unfit {
    int column = -1;  // CHIRP column, or -1 for the row as a whole
    std::string value;
    ErrorText why;
};

inline Unfit unfit(int column, std::string_view value, ErrorText why) {
    return {column, std::string(value), std::move(why)};
}

class RowReader {
public:
    RowReader(ChannelGrid& grid, FrequencyBand band, Language language)
        : grid_(grid), band_(band), language_(language) {}

    // Writes the row into grid row `row` (1-16) with the given forbid;
    // on an unfit value the grid row is left part-written: the caller puts
    // it back.
    std::optional<Unfit> apply(const RowFields& in, int row, std::int16_t forbid);

private:
    struct ToneSource {
        ToneKind kind = ToneKind::Off;
        int column = -1;        // where the value came from
        int polarityIndex = 0;  // 0 TX, 1 RX letter of DtcsPolarity
    };
    struct TonePair {
        ToneSource tx, rx;
    };

    std::optional<Unfit> frequency(int row, int gridColumn, int column, std::string_view shown,
                                   std::string_view typed);
    ErrorText inOtherBands(const ErrorText& outOfBand, std::string_view typed) const;
    std::optional<Unfit> frequencies(const RowFields& in, int row);
    std::optional<Unfit> crossSide(const RowFields& in, std::string_view side, bool transmit,
                                   ToneSource& source);
    std::optional<Unfit> tonePair(const RowFields& in, TonePair& pair);
    std::optional<Unfit> toneText(const RowFields& in, const ToneSource& source, std::string& text);
    std::optional<Unfit> tones(const RowFields& in, int row);
    std::optional<Unfit> mode(const RowFields& in, int row);
    std::optional<Unfit> power(const RowFields& in, int row);
    std::optional<Unfit> skip(const RowFields& in, int row);
    void setListCell(int row, int col, int position);

    ChannelGrid& grid_;
    FrequencyBand band_;
    Language language_;
};

}  // namespace pl63::chirp
