#include "codec/impossible_values.h"

#include <gtest/gtest.h>

#include "codec/frequency_entry.h"
#include "codec/image_codec.h"
#include "codec/layout.h"
#include "codec/tone_code.h"

namespace pl63 {
namespace {

using namespace layout;

// Channels 1-10 in use, receive-only channel 10; channels 11-16 empty.
MemoryImage tenChannels() {
    Codeplug plug;
    for (int row = 1; row <= 10; ++row) {
        plug.channels.setText(row, ColRxFrequency, "43" + std::to_string(row % 10) + ".12500");
        applyNewChannelDefaults(plug.channels, row, Language::English);
    }
    plug.channels.setText(10, ColTxFrequency, "");
    plug.channels.setText(10, ColTxTone, "");
    plug.channels.setText(4, ColRxTone, "D754I");
    plug.channels.setText(5, ColTxTone, "254.1");
    return EncodeImage(plug, Language::English);
}

MemoryImage with(MemoryImage image, int channel, std::size_t field,
                 std::vector<std::uint8_t> bytes) {
    auto raw = image.bytes();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        raw[channelRecord(channel) + field + i] = bytes[i];
    return MemoryImage(raw);
}

TEST(ImpossibleValuesTest, NamesTheChannelsWithNonDecimalDigitsOrUnlistedTones) {
    struct Case {
        const char* what;
        int channel;
        std::size_t field;
        std::vector<std::uint8_t> bytes;
        bool reported;
    };
    const Case cases[] = {
        {"RX frequency digit A", 2, kRecRxFrequency, {0x00, 0x25, 0x1A, 0x43}, true},
        {"TX frequency digit D in the hundreds",
         3,
         kRecTxFrequency,
         {0x17, 0x62, 0x29, 0xD2},
         true},
        {"TX frequency half unprogrammed", 6, kRecTxFrequency, {0xFF, 0xFF, 0x25, 0x43}, true},
        {"CTCSS 67.1, between two list tones", 7, kRecRxTone, {0x9F, 0x02}, true},
        {"DCS D024N, not a list code", 8, kRecTxTone, {0x14, 0x28}, true},
        {"negative CTCSS", 9, kRecRxTone, {0x00, 0x80}, true},
        {"garbage in an empty channel", 12, kRecRxTone, {0x9F, 0x02}, false},
        {"tone off", 1, kRecRxTone, {0xFF, 0xFF}, false},
        {"no TX frequency", 2, kRecTxFrequency, {0xFF, 0xFF, 0xFF, 0xFF}, false},
    };
    const MemoryImage clean = tenChannels();
    ASSERT_TRUE(channelsWithImpossibleValues(clean).empty());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto found = channelsWithImpossibleValues(with(clean, c.channel, c.field, c.bytes));
        EXPECT_EQ(found, c.reported ? std::vector<int>{c.channel} : std::vector<int>{});
    }
}

TEST(ImpossibleValuesTest, EveryToneOfTheListIsPossible) {
    const MemoryImage clean = tenChannels();
    for (int position = kToneFirstCtcss; position < kToneListSize; ++position) {
        const auto code = encodeToneText(toneListText(position, Language::English));
        ASSERT_TRUE(code) << position;
        const MemoryImage image =
            with(clean, 1, kRecTxTone, {std::uint8_t(*code & 0xFF), std::uint8_t(*code >> 8)});
        EXPECT_TRUE(channelsWithImpossibleValues(image).empty())
            << toneListText(position, Language::English);
    }
}

TEST(ImpossibleValuesTest, OneWarningNamesEveryChannelInBothLanguages) {
    EXPECT_FALSE(impossibleValuesWarning(tenChannels()));
    MemoryImage image = with(tenChannels(), 9, kRecRxTone, {0x00, 0x80});
    image = with(image, 2, kRecRxFrequency, {0x00, 0x25, 0x1A, 0x43});
    image = with(image, 16, kRecRxFrequency, {0x17, 0x62, 0xB9, 0x42});
    const auto warning = impossibleValuesWarning(image);
    ASSERT_TRUE(warning);
    EXPECT_NE(warning->en.find("channels hold values no radio can have"), std::string::npos)
        << warning->en;
    EXPECT_NE(warning->en.find(": 2, 9, 16."), std::string::npos) << warning->en;
    EXPECT_NE(warning->zh.find("：2、9、16。"), std::string::npos) << warning->zh;
    // Saving does not quietly change them.
    EXPECT_NE(warning->en.find("these values are kept"), std::string::npos) << warning->en;
    EXPECT_NE(warning->zh.find("这些数值均保留"), std::string::npos) << warning->zh;
}

}  // namespace
}  // namespace pl63
