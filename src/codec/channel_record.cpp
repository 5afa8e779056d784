#include "channel_record.h"

#include <algorithm>
#include <tuple>

#include "grid_texts.h"
#include "layout.h"
#include "tone_code.h"

namespace pl63 {

namespace {

using namespace layout;

static_assert(std::tuple_size_v<ChannelRecordBytes> == kChannelRecordSize);

void setListCell(ChannelGrid& grid, int row, int col, bool bit, Language language) {
    int position = bit ? 1 : 0;
    grid.setText(row, col, std::string(gridListText(col, position, language)));
    grid.choices().set(row, col, static_cast<std::int16_t>(position));
}

// List position 0 or 1 of a cell, or `blank` for an empty cell. Texts outside
// the list (the grid never holds them) take the blank cell's rule; an item of
// the other language still counts as its position.
int listBit(const ChannelGrid& grid, int row, int col, int blank, Language language) {
    const std::string& text = grid.text(row, col);
    auto position = gridListPositionAnyLanguage(col, text, language);
    return position ? *position : blank;
}

ToneCode toneOfCell(const std::string& text) {
    if (text.empty() || isToneOffText(text)) return kToneOff;
    return encodeToneText(text).value_or(kToneOff);
}

ChannelRecordBytes recordBytes(const MemoryImage& image, int row) {
    ChannelRecordBytes record;
    for (std::size_t i = 0; i < record.size(); ++i) record[i] = image.at(channelRecord(row) + i);
    return record;
}

// Rows whose columns 1-7 still read as their kept record decodes in
// `language`: the user has not changed them (a language switch rewrites texts
// but not what they mean, so the comparison is made in today's language).
std::array<bool, kChannelCount> rowsAsDecoded(const ChannelGrid& grid, Language language) {
    field::Bytes records(kChannelCount * kChannelRecordSize, kFiller);
    for (int row = 1; row <= kChannelCount; ++row) {
        if (const auto& kept = grid.decodedRecord(row)) {
            std::copy(kept->begin(), kept->end(), records.begin() + channelRecord(row));
        }
    }
    ChannelGrid decoded;
    decodeChannelRecords(MemoryImage(std::move(records)), decoded, language);
    std::array<bool, kChannelCount> unchanged{};
    for (int row = 1; row <= kChannelCount; ++row) {
        bool same = grid.decodedRecord(row).has_value();
        for (int col = ColRxFrequency; same && col < ColScan; ++col)
            same = grid.text(row, col) == decoded.text(row, col);
        unchanged[row - 1] = same;
    }
    return unchanged;
}

bool scanBit(const MemoryImage& image, int channel) {
    std::size_t offset = kScanBitmap + static_cast<std::size_t>((channel - 1) / 8);
    return (image.at(offset) >> ((channel - 1) % 8)) & 1;
}

}  // namespace

void decodeChannelRecords(const MemoryImage& image, ChannelGrid& grid, Language language) {
    for (int row = 1; row <= kChannelCount; ++row) {
        const std::size_t rec = channelRecord(row);
        grid.keepDecodedRecord(row, recordBytes(image, row));
        std::string rx = field::readFrequency(image, rec + kRecRxFrequency);
        if (rx.empty()) {
            for (int col = ColRxFrequency; col < kGridColumns; ++col) grid.setText(row, col, {});
            continue;
        }
        std::string tx = field::readFrequency(image, rec + kRecTxFrequency);
        ToneCode rxTone = field::readTone(image, rec + kRecRxTone);
        ToneCode txTone = field::readTone(image, rec + kRecTxTone);
        std::uint8_t flagsA = image.at(rec + kRecFlagsA);
        std::uint8_t flagsB = image.at(rec + kRecFlagsB);

        grid.setText(row, ColRxFrequency, rx);
        grid.setText(row, ColTxFrequency, tx);
        grid.setText(row, ColRxTone,
                     rxTone == kToneOff ? kToneOffText.str(language) : decodeToneCode(rxTone));
        // A receive-only channel shows no transmit tone at all.
        std::string txToneText = decodeToneCode(txTone);
        if (txTone == kToneOff && !tx.empty()) txToneText = kToneOffText.str(language);
        grid.setText(row, ColTxTone, txToneText);
        setListCell(grid, row, ColForbid, flagsA & kFlagsAForbidBit, language);
        setListCell(grid, row, ColBandWidth, flagsB & kFlagsBWideBit, language);
        setListCell(grid, row, ColPower, flagsB & kFlagsBPowerBit, language);
    }
}

void decodeScanColumn(const MemoryImage& image, ChannelGrid& grid, Language language) {
    for (int row = 1; row <= kChannelCount; ++row) {
        if (grid.inUse(row)) {
            setListCell(grid, row, ColScan, scanBit(image, row), language);
        } else {
            grid.setText(row, ColScan, {});
        }
    }
}

void encodeChannelRecords(const ChannelGrid& grid, Language language, field::Bytes& image) {
    const std::array<bool, kChannelCount> unchanged = rowsAsDecoded(grid, language);
    for (int row = 1; row <= kChannelCount; ++row) {
        const std::size_t rec = channelRecord(row);
        if (unchanged[row - 1]) {
            const ChannelRecordBytes& kept = *grid.decodedRecord(row);
            std::copy(kept.begin(), kept.end(), image.begin() + rec);
            continue;
        }
        field::writeFrequency(image, rec + kRecRxFrequency, grid.text(row, ColRxFrequency));
        field::writeFrequency(image, rec + kRecTxFrequency, grid.text(row, ColTxFrequency));
        field::writeTone(image, rec + kRecRxTone, toneOfCell(grid.text(row, ColRxTone)));
        field::writeTone(image, rec + kRecTxTone, toneOfCell(grid.text(row, ColTxTone)));

        bool forbid = listBit(grid, row, ColForbid, 1, language);
        bool highPower = listBit(grid, row, ColPower, 1, language);
        bool wide = listBit(grid, row, ColBandWidth, 1, language);
        field::writeByte(image, rec + kRecFlagsA, kFlagsABase | (forbid ? kFlagsAForbidBit : 0));
        field::writeByte(
            image, rec + kRecFlagsB,
            kFlagsBBase | (highPower ? kFlagsBPowerBit : 0) | (wide ? kFlagsBWideBit : 0));
        field::writeByte(image, rec + kRecConstant1, kRecConstant1Value);
        field::writeByte(image, rec + kRecConstant2, kRecConstant2Value);
    }
}

void encodeScanBitmap(const ChannelGrid& grid, Language language, field::Bytes& image) {
    std::uint8_t bytes[2] = {0, 0};
    for (int row = 1; row <= kChannelCount; ++row) {
        if (listBit(grid, row, ColScan, 0, language) == 1) {
            bytes[(row - 1) / 8] |= static_cast<std::uint8_t>(1u << ((row - 1) % 8));
        }
    }
    field::writeByte(image, kScanBitmap, bytes[0]);
    field::writeByte(image, kScanBitmap + 1, bytes[1]);
}

}  // namespace pl63
