#include "codeplug.h"

#include "grid_texts.h"

namespace pl63 {

namespace {

std::string twoDigitNumber(int row) {
    return (row < 10 ? "0" : "") + std::to_string(row);
}

}  // namespace

ChannelGrid::ChannelGrid() {
    for (int row = 1; row <= kChannelCount; ++row) setText(row, ColNumber, twoDigitNumber(row));
}

void ChannelGrid::ClearNO(int row) {
    for (int col = ColRxFrequency; col < kGridColumns; ++col) setText(row, col, {});
    for (int col = ColPower; col <= ColScan; ++col) choices_.set(row, col, 0);
}

void ChannelGrid::ClearGrid() {
    for (int row = 1; row <= kChannelCount; ++row) ClearNO(row);
}

void ChannelGrid::ClearGrid1() {
    decodedRecords_ = {};
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!inUse(row)) continue;
        for (int col = ColRxFrequency; col < kGridColumns; ++col) setText(row, col, {});
    }
}

void ChannelGrid::SetGrid1Text(Language newLanguage) {
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!inUse(row)) continue;
        for (int col : {ColRxTone, ColTxTone}) {
            if (isToneOffText(text(row, col))) setText(row, col, kToneOffText.str(newLanguage));
        }
        for (int col = ColPower; col <= ColScan; ++col) {
            // A position outside the two-item list has no text to show; the
            // cell keeps what it has rather than going blank.
            std::string_view item = gridListText(col, choices_.at(row, col), newLanguage);
            if (!item.empty()) setText(row, col, std::string(item));
        }
    }
}

Codeplug::Codeplug()
    : DtmfSettings{0, 1, 0, 1, 1, 1, 0, 0},
      OptionalSettings{"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "0", "1",
                       "1", "1", "1", "",  "1", "2", "",  "",  "1", "1", "1", "1"},
      DtmfCodes{"1", "2", "3", "4", "5", "6", "7", "8"} {}

}  // namespace pl63
