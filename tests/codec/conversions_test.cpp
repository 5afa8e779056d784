#include "codec/conversions.h"

#include <gtest/gtest.h>

#include <string>

namespace pl63 {
namespace {

TEST(ConversionsTest, HexByteAndWordPadding) {
    struct Case {
        long long value;
        const char* byte;
        const char* word;
    };
    const Case cases[] = {
        {0, "00", "0000"},    {5, "05", "0005"},    {171, "AB", "00AB"},     {255, "FF", "00FF"},
        {300, "12C", "012C"}, {670, "29E", "029E"}, {65535, "FFFF", "FFFF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HexByte(c.value), c.byte) << c.value;
        EXPECT_EQ(HexWord(c.value), c.word) << c.value;
    }
    // A word is four digits even when negative: its bytes are the text's halves.
    EXPECT_EQ(HexWord(-1), "FFFF");
    EXPECT_EQ(HexWord(-32768), "8000");
}

TEST(ConversionsTest, HexToBitsExpandsEveryDigitAndZeroesTheRest) {
    EXPECT_EQ(HexToBits("A7"), "10100111");
    EXPECT_EQ(HexToBits("F0"), "11110000");
    EXPECT_EQ(HexToBits("a7"), "10100111");
    EXPECT_EQ(HexToBits("G1"), "00000001");
    EXPECT_EQ(HexToBits(""), "");
}

TEST(ConversionsTest, BitsToHexPadsTheCallersText) {
    std::string seven = "1111111";
    EXPECT_EQ(BitsToHex(seven), "7F");
    EXPECT_EQ(seven, "01111111");

    std::string eight = "11111000";
    EXPECT_EQ(BitsToHex(eight), "F8");
    EXPECT_EQ(eight, "11111000");

    // Only "1" sets a bit.
    std::string odd = "1x2 ";
    EXPECT_EQ(BitsToHex(odd), "8");
}

TEST(ConversionsTest, SnapToChannelStepMovesDownOntoTheNearerRaster) {
    struct Case {
        const char* text;
        const char* snapped;
    };
    const Case cases[] = {
        {"435.12500", "435.12500"},                              // on 5 kHz
        {"446.00625", "446.00625"},                              // on 6.25 kHz
        {"435.12345", "435.12000"},                              // r5 345 < r6 470
        {"435.10700", "435.10625"},                              // r6 75
        {"435.00001", "435.00000"}, {"438.50300", "438.50000"},  // equal remainders
        {"145.12340", "145.12000"}, {"462.56250", "462.56250"},
        {"479.99900", "479.99500"}, {"400", "400.00000"},  // fewer decimals are read as zeros
    };
    for (const Case& c : cases) {
        auto snapped = SnapToChannelStep(c.text);
        ASSERT_TRUE(snapped) << c.text;
        EXPECT_EQ(snapped->freqText(), c.snapped) << c.text;
    }
    EXPECT_DOUBLE_EQ(SnapToChannelStep("435.12500")->megahertz(), 435.125);
    EXPECT_EQ(SnapToChannelStep("435.00001")->tenHertz, 43500000);
}

TEST(ConversionsTest, SnapToChannelStepRejectsTextThatIsNotAFrequency) {
    for (const char* text : {"", ".", "1.2.3", "abc", "435.123456", "-435.1", "43A.12500"}) {
        EXPECT_FALSE(SnapToChannelStep(text)) << text;
    }
}

TEST(ConversionsTest, FloatRemainder) {
    EXPECT_DOUBLE_EQ(FloatRemainder(0.0125, 0.025), 0.0);
    EXPECT_DOUBLE_EQ(FloatRemainder(5, 3), 3.0);
    EXPECT_DOUBLE_EQ(FloatRemainder(5, 12), 2.0);
    EXPECT_DOUBLE_EQ(FloatRemainder(5, 10), 0.0);
    EXPECT_NEAR(FloatRemainder(0.005, 0.0123), 0.0023, 1e-12);
    // A zero divisor must not hang.
    EXPECT_DOUBLE_EQ(FloatRemainder(0, 7), 7.0);
}

TEST(ConversionsTest, LeadingNumberReadsLikeTheOptionStores) {
    struct Case {
        const char* text;
        long long value;
    };
    const Case cases[] = {{"", 0},       {"abc", 0}, {"12abc", 12}, {"-1", -1},
                          {" 300", 300}, {"+7", 7},  {"1.5", 1},    {"-", 0}};
    for (const Case& c : cases) EXPECT_EQ(leadingNumber(c.text), c.value) << c.text;
    EXPECT_GT(leadingNumber("99999999999999999999999999"), 0);
}

}  // namespace
}  // namespace pl63
