#include "codec/tone_code.h"

#include <gtest/gtest.h>

#include <set>

#include "codec/grid_texts.h"

namespace pl63 {
namespace {

TEST(ToneCodeTest, EncodesToImageDigitsLowByteFirst) {
    struct Case {
        const char* text;
        const char* digits;
    };
    const Case cases[] = {
        {"D023N", "1328"},
        {"D023I", "13A8"},
        {"D754N", "EC29"},
        {"D645I", "A5A9"},
        {"67.0", "9E02"},
        {"100.0", "E803"},
        {"254.1", "ED09"},
        {"D017N", "0F28"},
        // Digits 8 and 9 count at face value: 0*64 + 8*8 + 9 = 73.
        {"D089N", "4928"},
    };
    for (const Case& c : cases) {
        auto code = encodeToneText(c.text);
        ASSERT_TRUE(code) << c.text;
        EXPECT_EQ(toneImageDigits(*code), c.digits) << c.text;
    }
}

TEST(ToneCodeTest, DecodesFromHighByteFirstDigits) {
    struct Case {
        const char* hhll;
        const char* text;
    };
    const Case cases[] = {
        {"029E", "67.0"}, {"2813", "D023N"},  {"A9EC", "D754I"}, {"03E8", "100.0"}, {"0007", ".7"},
        {"FFFE", ".2"},   {"8000", "-327.8"}, {"2013", "D23N"},  {"A800", "D000I"}, {"A000", "D0I"},
        {"FFFF", ""},     {"0000", ".0"},     {"2bff", "D777N"},
    };
    for (const Case& c : cases) EXPECT_EQ(decodeToneDigits(c.hhll), c.text) << c.hhll;
}

TEST(ToneCodeTest, EveryListEntrySurvivesEncodeAndDecode) {
    std::set<ToneCode> codes;
    for (int position = 1; position < kToneListSize; ++position) {
        std::string text = toneListText(position, Language::English);
        ASSERT_FALSE(text.empty()) << position;
        EXPECT_EQ(toneListText(position, Language::Chinese), text);
        auto code = encodeToneText(text);
        ASSERT_TRUE(code) << text;
        EXPECT_EQ(decodeToneCode(*code), text) << position;
        codes.insert(*code);
    }
    EXPECT_EQ(codes.size(), static_cast<std::size_t>(kToneListSize - 1));
}

TEST(ToneCodeTest, ListShapeAndBoundaries) {
    EXPECT_EQ(toneListText(0, Language::English), "Off");
    EXPECT_EQ(toneListText(0, Language::Chinese), "关闭");
    EXPECT_EQ(toneListText(1, Language::English), "67.0");
    EXPECT_EQ(toneListText(50, Language::English), "254.1");
    EXPECT_EQ(toneListText(51, Language::English), "D023N");
    EXPECT_EQ(toneListText(155, Language::English), "D754N");
    EXPECT_EQ(toneListText(156, Language::English), "D023I");
    EXPECT_EQ(toneListText(260, Language::English), "D754I");
    EXPECT_EQ(toneListText(261, Language::English), "");
    EXPECT_EQ(toneListText(-1, Language::English), "");
}

TEST(ToneCodeTest, TextsThatAreNoToneGiveNoCode) {
    for (const char* text : {"", "Off", "abc", "1.2.3", "6553.5", "D023"}) {
        EXPECT_FALSE(encodeToneText(text)) << text;
    }
    EXPECT_TRUE(isToneOffText("Off"));
    EXPECT_TRUE(isToneOffText("关闭"));
}

TEST(ToneCodeTest, CtcssOutsideTheListKeepsItsValue) {
    // No defined encoding in the radio software; we keep the 16-bit value.
    EXPECT_EQ(encodeToneText("20.0"), ToneCode{200});
    EXPECT_EQ(decodeToneCode(200), "20.0");
    EXPECT_EQ(encodeToneText("70"), ToneCode{700});
}

}  // namespace
}  // namespace pl63
