#include "frequency_entry.h"

#include "conversions.h"
#include "decimal_text.h"
#include "grid_texts.h"

namespace pl63 {
namespace {

constexpr int kFreqDecimals = 5;
constexpr std::int64_t kUnitsPerMHz = 100000;  // 10 Hz units

// New channels start high power, forbid off, wide band, in the scan list.
constexpr int kDefaultPower = 1;
constexpr int kDefaultForbid = 0;
constexpr int kDefaultBandWidth = 1;
constexpr int kDefaultScan = 1;

FrequencyCommitResult outOfBand() {
    return {FrequencyCommit::OutOfBand, {"超出频段范围", "Beyond the frequency range"}};
}

void setListCell(ChannelGrid& grid, int row, int col, int position, Language language) {
    grid.setText(row, col, std::string(gridListText(col, position, language)));
    grid.choices().set(row, col, static_cast<std::int16_t>(position));
}

}  // namespace

bool acceptsFrequencyKey(char typed) {
    return (typed >= '0' && typed <= '9') || typed == '.' || typed == '\b';
}

void applyNewChannelDefaults(ChannelGrid& grid, int row, Language language) {
    grid.setText(row, ColTxFrequency, grid.text(row, ColRxFrequency));
    grid.setText(row, ColRxTone, kToneOffText.str(language));
    grid.setText(row, ColTxTone, kToneOffText.str(language));
    setListCell(grid, row, ColPower, kDefaultPower, language);
    setListCell(grid, row, ColForbid, kDefaultForbid, language);
    setListCell(grid, row, ColBandWidth, kDefaultBandWidth, language);
    setListCell(grid, row, ColScan, kDefaultScan, language);
}

FrequencyCommitResult commitFrequency(ChannelGrid& grid, int row, int col, std::string_view t,
                                      FrequencyBand band, Language language) {
    if (t.empty()) {
        // A row with no channel has nothing to delete (its list positions are
        // no channel's either).
        if (col != ColRxFrequency || !grid.inUse(row)) return {FrequencyCommit::Unchanged, {}};
        grid.ClearNO(row);
        return {FrequencyCommit::Cleared, {}};
    }
    auto number = DecimalText::parse(t);
    if (!number) return {FrequencyCommit::Unchanged, {}};

    // The band test is on the typed value; its integer part decides it
    // because the limits are whole MHz.
    auto wholeMHz = number->integerPart();
    if (!wholeMHz || *wholeMHz < band.lowMHz || *wholeMHz >= band.highMHz) return outOfBand();
    auto units = number->roundedUnits(kFreqDecimals);
    if (!units || *units >= band.highMHz * kUnitsPerMHz) return outOfBand();

    auto snapped = SnapToChannelStep(ChannelFrequency{*units}.freqText());
    if (!snapped) return {FrequencyCommit::Unchanged, {}};
    grid.setText(row, col, snapped->freqText());

    if (col == ColRxFrequency && grid.text(row, ColTxFrequency).empty()) {
        applyNewChannelDefaults(grid, row, language);
        return {FrequencyCommit::Created, {}};
    }
    return {FrequencyCommit::Written, {}};
}

}  // namespace pl63
