#include "codec/channel_record.h"

#include <gtest/gtest.h>

#include "codec/layout.h"
#include "codec/tone_code.h"

namespace pl63 {
namespace {

constexpr const char* kEmptyRecord = "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF";

field::Bytes blankImage() {
    return field::Bytes(layout::kImageSize, layout::kFiller);
}

void putHex(field::Bytes& image, std::size_t offset, const std::string& hex) {
    MemoryImage part = MemoryImage::fromHex(hex);
    std::copy(part.bytes().begin(), part.bytes().end(), image.begin() + offset);
}

std::string recordHex(const field::Bytes& image, int channel) {
    auto begin = image.begin() + layout::channelRecord(channel);
    return MemoryImage(field::Bytes(begin, begin + layout::kChannelRecordSize)).hex();
}

void setRow(ChannelGrid& grid, int row, std::array<const char*, 8> texts) {
    for (int col = ColRxFrequency; col <= ColScan; ++col) grid.setText(row, col, texts[col - 1]);
}

TEST(ChannelRecordTest, ReceiveOnlyChannelShowsNoTransmitTone) {
    field::Bytes image = blankImage();
    putHex(image, layout::channelRecord(1), "00255143FFFFFFFFFFFFFFFFF0F0FCFF");
    ChannelGrid grid;
    decodeChannelRecords(MemoryImage(image), grid, Language::English);
    EXPECT_EQ(grid.text(1, ColRxFrequency), "435.12500");
    EXPECT_EQ(grid.text(1, ColRxTone), "Off");
    EXPECT_EQ(grid.text(1, ColTxFrequency), "");
    EXPECT_EQ(grid.text(1, ColTxTone), "");

    // A transmit tone without transmit frequency is still shown.
    putHex(image, layout::channelRecord(1) + layout::kRecTxTone, "9E02");
    decodeChannelRecords(MemoryImage(image), grid, Language::English);
    EXPECT_EQ(grid.text(1, ColTxTone), "67.0");
}

TEST(ChannelRecordTest, DecodesFlagsIntoListTextsAndChoices) {
    struct Case {
        const char* flags;  // bytes 12, 13
        const char* power;
        const char* forbid;
        const char* band;
    };
    const Case cases[] = {
        {"F0F0", "Hight", "Off", "Wide"},      {"F8C0", "Low", "Carrow", "Narrow"},
        {"F0E0", "Hight", "Off", "Narrow"},    {"F8D0", "Low", "Carrow", "Wide"},
        {"0F2F", "Hight", "Carrow", "Narrow"},  // only bits 3, 5 and 4 count
    };
    for (const Case& c : cases) {
        field::Bytes image = blankImage();
        putHex(image, layout::channelRecord(4),
               std::string("0025514300255143FFFFFFFF") + c.flags + "FCFF");
        ChannelGrid grid;
        decodeChannelRecords(MemoryImage(image), grid, Language::English);
        EXPECT_EQ(grid.text(4, ColPower), c.power) << c.flags;
        EXPECT_EQ(grid.text(4, ColForbid), c.forbid) << c.flags;
        EXPECT_EQ(grid.text(4, ColBandWidth), c.band) << c.flags;
        EXPECT_EQ(grid.choices().at(4, ColPower), std::string(c.power) == "Hight") << c.flags;
        EXPECT_EQ(grid.choices().at(4, ColForbid), std::string(c.forbid) == "Carrow") << c.flags;
        EXPECT_EQ(grid.choices().at(4, ColBandWidth), std::string(c.band) == "Wide") << c.flags;
    }
}

TEST(ChannelRecordTest, EmptyRecordEmptiesTheRowAndKeepsItsChoices) {
    field::Bytes image = blankImage();
    putHex(image, layout::channelRecord(2), "FFFFFFFF0025514313281328F0F0FCFF");
    image[layout::kScanBitmap] = 0xFF;
    ChannelGrid grid;
    setRow(grid, 2, {"435.12500", "Off", "435.12500", "Off", "Low", "Off", "Wide", "Have"});
    grid.choices().set(2, ColScan, 1);
    MemoryImage decoded(image);
    decodeChannelRecords(decoded, grid, Language::English);
    decodeScanColumn(decoded, grid, Language::English);
    for (int col = ColRxFrequency; col <= ColScan; ++col) EXPECT_EQ(grid.text(2, col), "") << col;
    EXPECT_EQ(grid.choices().at(2, ColScan), 1);

    field::Bytes out = blankImage();
    encodeChannelRecords(grid, Language::English, out);
    encodeScanBitmap(grid, Language::English, out);
    // Left as it was read: nothing in the row was touched.
    EXPECT_EQ(recordHex(out, 2), "FFFFFFFF0025514313281328F0F0FCFF");
    EXPECT_EQ(out[layout::kScanBitmap], 0x00);
}

TEST(ChannelRecordTest, EncodesARowFromItsTexts) {
    ChannelGrid grid;
    setRow(grid, 1, {"435.12500", "Off", "435.12500", "Off", "Hight", "Off", "Wide", "No"});
    field::Bytes image = blankImage();
    encodeChannelRecords(grid, Language::English, image);
    encodeScanBitmap(grid, Language::English, image);
    EXPECT_EQ(recordHex(image, 1), "0025514300255143FFFFFFFFF0F0FCFF");
    EXPECT_EQ(recordHex(image, 2), kEmptyRecord);
    EXPECT_EQ(image[layout::kScanBitmap], 0x00);
}

TEST(ChannelRecordTest, ScanBitsOfTheEdgeChannels) {
    struct Case {
        int channel;
        std::uint8_t low;
        std::uint8_t high;
    };
    const Case cases[] = {{1, 0x01, 0x00}, {8, 0x80, 0x00}, {9, 0x00, 0x01}, {16, 0x00, 0x80}};
    for (const Case& c : cases) {
        ChannelGrid grid;
        setRow(grid, c.channel, {"435.12500", "Off", "", "", "Hight", "Off", "Wide", "Have"});
        field::Bytes image = blankImage();
        encodeChannelRecords(grid, Language::English, image);
        encodeScanBitmap(grid, Language::English, image);
        EXPECT_EQ(image[layout::kScanBitmap], c.low) << c.channel;
        EXPECT_EQ(image[layout::kScanBitmap + 1], c.high) << c.channel;

        ChannelGrid back;
        MemoryImage decoded(image);
        decodeChannelRecords(decoded, back, Language::Chinese);
        decodeScanColumn(decoded, back, Language::Chinese);
        EXPECT_EQ(back.text(c.channel, ColScan), "有") << c.channel;
        EXPECT_EQ(back.choices().at(c.channel, ColScan), 1);
    }
}

TEST(ChannelRecordTest, BlankAndUnknownCellsTakeTheBlankRule) {
    ChannelGrid grid;
    // A row holding only a receive frequency: the rest blank.
    setRow(grid, 1, {"435.12500", "", "", "", "", "", "", ""});
    // Texts the grid never holds: unknown list texts act as blank ones, a
    // malformed tone as off, a malformed frequency as none.
    setRow(grid, 2, {"435.12500", "67", "garbage", "D023X", "x", "y", "z", "maybe"});
    field::Bytes image = blankImage();
    encodeChannelRecords(grid, Language::English, image);
    encodeScanBitmap(grid, Language::English, image);
    EXPECT_EQ(recordHex(image, 1), "00255143FFFFFFFFFFFFFFFFF8F0FCFF");
    EXPECT_EQ(recordHex(image, 2), "00255143FFFFFFFF9E02FFFFF8F0FCFF");
    EXPECT_EQ(image[layout::kScanBitmap], 0x00);
}

TEST(ChannelRecordTest, ListTextsOfTheOtherLanguageKeepTheirPosition) {
    ChannelGrid grid;
    setRow(grid, 1, {"435.12500", "关闭", "435.12500", "Off", "低", "关闭", "窄带", "无"});
    setRow(grid, 2, {"435.12500", "Off", "435.12500", "关闭", "Low", "Carrow", "Narrow", "Have"});
    for (Language language : {Language::English, Language::Chinese}) {
        field::Bytes image = blankImage();
        encodeChannelRecords(grid, language, image);
        encodeScanBitmap(grid, language, image);
        EXPECT_EQ(recordHex(image, 1), "0025514300255143FFFFFFFFF0C0FCFF");
        EXPECT_EQ(recordHex(image, 2), "0025514300255143FFFFFFFFF8C0FCFF");
        EXPECT_EQ(image[layout::kScanBitmap], 0x02);
    }
}

// Bits the encoder always sets or clears are not the radio's data.
constexpr std::uint8_t kDataMaskA = layout::kFlagsAForbidBit;
constexpr std::uint8_t kDataMaskB = layout::kFlagsBPowerBit | layout::kFlagsBWideBit;

TEST(ChannelRecordTest, DecodeThenEncodeReproducesProgrammedRecords) {
    const char* frequencies[] = {"00255143", "25066013", "50780044", "0F25A143"};
    for (int round = 0; round < 64; ++round) {
        field::Bytes image = blankImage();
        for (int channel = 1; channel <= kChannelCount; ++channel) {
            int k = round * kChannelCount + channel;
            std::string rx = frequencies[k % 4];
            std::string tx = k % 5 == 0 ? "FFFFFFFF" : frequencies[(k / 4) % 4];
            ToneCode rxTone =
                k % 7 == 0 ? kToneOff : *encodeToneText(toneListText(1 + k % 260, {}));
            ToneCode txTone =
                k % 3 == 0 ? kToneOff : *encodeToneText(toneListText(1 + (k * 37) % 260, {}));
            std::size_t rec = layout::channelRecord(channel);
            putHex(image, rec, rx + tx + toneImageDigits(rxTone) + toneImageDigits(txTone));
            image[rec + layout::kRecFlagsA] = static_cast<std::uint8_t>(k * 29);
            image[rec + layout::kRecFlagsB] = static_cast<std::uint8_t>(k * 53);
            image[rec + 14] = static_cast<std::uint8_t>(k);
        }
        image[layout::kScanBitmap] = static_cast<std::uint8_t>(round * 97);
        image[layout::kScanBitmap + 1] = static_cast<std::uint8_t>(round * 41 + 3);

        for (Language language : {Language::English, Language::Chinese}) {
            ChannelGrid grid;
            MemoryImage decoded(image);
            decodeChannelRecords(decoded, grid, language);
            decodeScanColumn(decoded, grid, language);
            // Rows as if typed in: built from their texts, not from the kept records.
            ChannelGrid typed;
            for (int row = 1; row <= kChannelCount; ++row)
                for (int col = ColRxFrequency; col <= ColScan; ++col)
                    typed.setText(row, col, grid.text(row, col));
            field::Bytes out = blankImage();
            encodeChannelRecords(typed, language, out);
            encodeScanBitmap(typed, language, out);
            for (int channel = 1; channel <= kChannelCount; ++channel) {
                std::size_t rec = layout::channelRecord(channel);
                for (std::size_t b = 0; b < 12; ++b) {
                    ASSERT_EQ(out[rec + b], image[rec + b])
                        << "round " << round << " ch " << channel;
                }
                EXPECT_EQ(out[rec + 12] & kDataMaskA, image[rec + 12] & kDataMaskA);
                EXPECT_EQ(out[rec + 13] & kDataMaskB, image[rec + 13] & kDataMaskB);
                EXPECT_EQ(out[rec + 12] & ~kDataMaskA, 0xF0);
                EXPECT_EQ(out[rec + 13] & ~kDataMaskB, 0xC0);
                EXPECT_EQ(recordHex(out, channel).substr(28), "FCFF");
            }
            EXPECT_EQ(out[layout::kScanBitmap], image[layout::kScanBitmap]);
            EXPECT_EQ(out[layout::kScanBitmap + 1], image[layout::kScanBitmap + 1]);
        }
    }
}

TEST(ChannelRecordTest, RowsNotEditedSinceDecodingGoBackByteForByte) {
    // Channel 1: a tone code outside the list, odd flag bits and constants;
    // channel 2: an empty record with stray bytes.
    const std::string odd = "002551430025514399999E020F2F1234";
    const std::string stray = "FFFFFFFF00255143FFFF9E02F0F0FCFF";
    struct Case {
        const char* what;
        void (*change)(ChannelGrid&);
        std::string channel1, channel2;
        Language language = Language::English;  // of the texts when saving
    };
    const Case cases[] = {
        {"untouched", [](ChannelGrid&) {}, odd, stray},
        {"after a language switch", [](ChannelGrid& g) { g.SetGrid1Text(Language::Chinese); },
         odd, stray, Language::Chinese},
        {"channel 1 edited",
         [](ChannelGrid& g) { g.setText(1, ColRxFrequency, "435.13750"); },
         "5037514300255143FFFF9E02F8E0FCFF", stray},  // the unlisted tone becomes Off
        {"deleted", [](ChannelGrid& g) { g.ClearNO(1); }, kEmptyRecord, stray},
        {"New", [](ChannelGrid& g) { g.ClearGrid1(); }, kEmptyRecord, kEmptyRecord},
    };
    for (const Case& c : cases) {
        field::Bytes image = blankImage();
        putHex(image, layout::channelRecord(1), odd);
        putHex(image, layout::channelRecord(2), stray);
        ChannelGrid grid;
        decodeChannelRecords(MemoryImage(image), grid, Language::English);
        c.change(grid);
        field::Bytes out = blankImage();
        encodeChannelRecords(grid, c.language, out);
        EXPECT_EQ(recordHex(out, 1), c.channel1) << c.what;
        EXPECT_EQ(recordHex(out, 2), c.channel2) << c.what;
    }
}

}  // namespace
}  // namespace pl63
