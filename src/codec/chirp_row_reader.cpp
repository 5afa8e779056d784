#include "chirp_row_reader.h"

#include <algorithm>

#include "band.h"
#include "decimal_text.h"
#include "grid_texts.h"
#include "tone_entry.h"

namespace pl63::chirp {

std::optional<ColumnMap> mapColumns(const CsvRecord& header) {
    ColumnMap map;
    map.at.fill(-1);
    for (int i = 0; i < static_cast<int>(header.fields.size()); ++i) {
        const std::string_view name = trimmed(header.fields[i]);
        for (int column = 0; column < kColumnCount; ++column) {
            if (sameWord(name, kColumnNames[column]) && map.at[column] < 0) map.at[column] = i;
        }
    }
    if (map.at[Frequency] < 0) return std::nullopt;
    return map;
}

bool sameMeaning(const Row& a, const Row& b) {
    return std::all_of(kMeaningful.begin(), kMeaningful.end(),
                       [&](int column) { return a[column] == b[column]; });
}

std::optional<Unfit> RowReader::apply(const RowFields& in, int row, std::int16_t forbid) {
    grid_.ClearNO(row);
    if (auto error = frequencies(in, row)) return error;
    if (auto error = tones(in, row)) return error;
    if (auto error = mode(in, row)) return error;
    if (auto error = power(in, row)) return error;
    if (auto error = skip(in, row)) return error;
    setListCell(row, ColForbid, forbid);
    return std::nullopt;
}

void RowReader::setListCell(int row, int col, int position) {
    grid_.setText(row, col, std::string(gridListText(col, position, language_)));
    grid_.choices().set(row, col, static_cast<std::int16_t>(position));
}

std::optional<Unfit> RowReader::frequency(int row, int gridColumn, int column,
                                          std::string_view shown, std::string_view typed) {
    auto result = commitFrequency(grid_, row, gridColumn, typed, band_, language_);
    if (result.outcome == FrequencyCommit::OutOfBand) {
        return unfit(column, shown, inOtherBands(result.message, typed));
    }
    if (result.outcome == FrequencyCommit::Unchanged || typed.empty()) {
        return unfit(column, shown, {"不是频率", "not a frequency"});
    }
    return std::nullopt;
}

// A plan for another band is the likeliest reason a frequency is out of
// band: the reason names the radio's bands that hold it, by the same entry
// rules, so the user knows which band to choose before importing again.
ErrorText RowReader::inOtherBands(const ErrorText& outOfBand, std::string_view typed) const {
    std::string zh, en;
    for (const BandEntry& entry : kBands) {
        ChannelGrid scratch;
        const FrequencyBand limits{entry.lowMHz, entry.highMHz};
        if (!commitFrequency(scratch, 1, ColRxFrequency, typed, limits, language_).changed()) {
            continue;
        }
        zh += (zh.empty() ? "" : " 或 ") + std::string(entry.text);
        en += (en.empty() ? "" : " or ") + std::string(entry.text);
    }
    if (en.empty()) return outOfBand;
    return {outOfBand.zh + "；它在 " + zh + " 频段内", outOfBand.en + "; it is in band " + en};
}

std::optional<Unfit> RowReader::frequencies(const RowFields& in, int row) {
    const std::string_view rx = in[Frequency];
    if (rx.empty()) return unfit(Frequency, rx, {"没有频率", "no frequency"});
    if (auto error = frequency(row, ColRxFrequency, Frequency, rx, rx)) return error;

    const std::string duplex = asciiLower(in[Duplex]);
    const std::string_view offset = in[Offset];
    if (duplex == kDuplexNone) return std::nullopt;  // the new channel's TX = RX
    if (duplex == kDuplexOff) {
        grid_.setText(row, ColTxFrequency, {});
        return std::nullopt;
    }
    if (duplex == kDuplexSplit) {
        return frequency(row, ColTxFrequency, Offset, offset, offset);
    }
    if (duplex != kDuplexPlus && duplex != kDuplexMinus) {
        return unfit(Duplex, in[Duplex],
                     {"应为空、+、-、split 或 off", "expected empty, +, -, split or off"});
    }
    auto rxUnits = microMHz(rx);
    if (!rxUnits) return unfit(Frequency, rx, {"不是频率", "not a frequency"});
    auto offsetUnits = offset.empty() ? std::optional<std::int64_t>(0) : microMHz(offset);
    if (!offsetUnits) return unfit(Offset, offset, {"不是频差", "not an offset"});
    const std::int64_t tx =
        duplex == kDuplexPlus ? *rxUnits + *offsetUnits : *rxUnits - *offsetUnits;
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

std::optional<Unfit> RowReader::crossSide(const RowFields& in, std::string_view word, bool transmit,
                                          ToneSource& source) {
    if (word.empty()) return std::nullopt;
    const CrossSide* side = crossSideNamed(word);
    if (!side) return unfit(CrossMode, in[CrossMode], {"不认识的交叉方式", "not a cross mode"});
    source = {side->kind, transmit ? side->transmitColumn : side->receiveColumn, transmit ? 0 : 1};
    return std::nullopt;
}

std::optional<Unfit> RowReader::tonePair(const RowFields& in, TonePair& pair) {
    const std::string_view mode = in[Tone];
    if (mode == kToneNone) return std::nullopt;
    if (mode == kToneSent) {
        pair.tx = {ToneKind::Ctcss, RToneFreq, 0};
    } else if (mode == kToneSquelch) {
        pair.tx = {ToneKind::Ctcss, CToneFreq, 0};
        pair.rx = {ToneKind::Ctcss, CToneFreq, 1};
    } else if (mode == kToneDcs) {
        pair.tx = {ToneKind::Dcs, DtcsCode, 0};
        pair.rx = {ToneKind::Dcs, DtcsCode, 1};
    } else if (mode == kToneReverse[0] || mode == kToneReverse[1]) {
        return unfit(Tone, mode, {"对讲机没有反向静噪", "the radio has no reverse squelch"});
    } else if (mode == kToneCross) {
        const std::string_view cross = in[CrossMode];
        const auto arrow = cross.find(kCrossArrow);
        if (arrow == std::string_view::npos || cross == kCrossArrow) {
            return unfit(CrossMode, cross, {"不认识的交叉方式", "not a cross mode"});
        }
        if (auto error = crossSide(in, cross.substr(0, arrow), true, pair.tx)) return error;
        if (auto error = crossSide(in, cross.substr(arrow + kCrossArrow.size()), false, pair.rx))
            return error;
    } else {
        return unfit(
            Tone, mode,
            {"应为空、Tone、TSQL、DTCS 或 Cross", "expected empty, Tone, TSQL, DTCS or Cross"});
    }
    return std::nullopt;
}

// The text typing the tone would commit, or why it cannot be typed.
std::optional<Unfit> RowReader::toneText(const RowFields& in, const ToneSource& source,
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
    const bool octal =
        !value.empty() && value.size() <= 3 &&
        std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '7'; });
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
    auto normal =
        normaliseTone("D" + std::string(value) + (letter == 'R' || letter == 'r' ? "I" : "N"));
    text = normal.value_or(std::string());
    return std::nullopt;
}

std::optional<Unfit> RowReader::tones(const RowFields& in, int row) {
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

std::optional<Unfit> RowReader::mode(const RowFields& in, int row) {
    const std::string_view value = in[Mode];
    if (value.empty()) return std::nullopt;
    if (sameWord(value, kModeNarrow) || sameWord(value, kModeWide)) {
        setListCell(row, ColBandWidth, sameWord(value, kModeWide) ? 1 : 0);
        return std::nullopt;
    }
    return unfit(
        Mode, value,
        {"对讲机只有 FM（宽带）和 NFM（窄带）", "the radio does only FM (wide) and NFM (narrow)"});
}

std::optional<Unfit> RowReader::power(const RowFields& in, int row) {
    std::string_view value = in[Power];
    if (value.empty()) return std::nullopt;
    int position = -1;
    if (sameWord(value, kPowerLow)) {
        position = 0;
    } else if (sameWord(value, kPowerHigh)) {
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
    setListCell(row, ColPower, position);
    return std::nullopt;
}

std::optional<Unfit> RowReader::skip(const RowFields& in, int row) {
    const std::string_view value = in[Skip];
    if (value.empty() || sameWord(value, kSkipPriority)) return std::nullopt;
    if (sameWord(value, kSkipOut)) {
        setListCell(row, ColScan, 0);
        return std::nullopt;
    }
    return unfit(Skip, value, {"应为空、S 或 P", "expected empty, S or P"});
}
}  // namespace pl63::chirp
