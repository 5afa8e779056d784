#include "codec/tone_entry.h"

#include <gtest/gtest.h>

#include <optional>

namespace pl63 {
namespace {

TEST(ToneEntryTest, TypedTextNormalisesOrLeavesTheCell) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"88.5", "88.5"},
        {"100", "100.0"},
        {"67", "67.0"},
        {"67.0", "67.0"},
        {"254.1", "254.1"},
        {"70.0", "70.0"},   // not in the list, still a valid CTCSS value
        {"88.55", "88.6"},  // decimal rounding: 88.55 is 88.549999.. in binary
        {"123.04", "123.0"},
        {"066.9", std::nullopt},
        {"66.96", std::nullopt},  // the range test is on the typed value
        {"254.2", std::nullopt},
        {"254.14", std::nullopt},
        {"254.100", "254.1"},
        {"", std::nullopt},
        {"100N", std::nullopt},
        {"1.2.3", std::nullopt},
        {"Off", std::nullopt},
        {"关闭", std::nullopt},
        {"D23N", "D023N"},
        {"D023N", "D023N"},
        {"D754I", "D754I"},
        {"D8I", "D008I"},
        {"D999N", "D777N"},
        {"D778I", "D777I"},
        {"D99999999999999999999N", "D777N"},
        {"D0023N", "D023N"},
        {"D0778N", "D777N"},
        {"D000N", "D000N"},
        {"D", std::nullopt},
        {"DN", std::nullopt},
        {"D023", std::nullopt},
        {"D02.3N", std::nullopt},
        {"D.N", std::nullopt},
        {"DDN", std::nullopt},
    };
    for (const auto& [typed, expected] : cases) {
        EXPECT_EQ(normaliseTone(typed), expected) << typed;
    }
}

TEST(ToneEntryTest, CommitWritesOnlyAcceptedValues) {
    ChannelGrid grid;
    grid.setText(2, ColTxTone, "D023N");
    EXPECT_EQ(commitTone(grid, 2, ColTxTone, "254.2"), ToneCommit::Unchanged);
    EXPECT_EQ(grid.text(2, ColTxTone), "D023N");
    EXPECT_EQ(commitTone(grid, 2, ColTxTone, "Off"), ToneCommit::Unchanged);
    EXPECT_EQ(grid.text(2, ColTxTone), "D023N");
    EXPECT_EQ(commitTone(grid, 2, ColTxTone, "d23i"), ToneCommit::Unchanged);  // filter's job
    EXPECT_EQ(commitTone(grid, 2, ColTxTone, "131.8"), ToneCommit::Written);
    EXPECT_EQ(grid.text(2, ColTxTone), "131.8");
    EXPECT_EQ(grid.text(2, ColRxTone), "");
}

TEST(ToneEntryTest, KeyFilterUpperCasesCodeLettersAndDropsTheRest) {
    const std::pair<char, std::optional<char>> cases[] = {
        {'d', 'D'}, {'n', 'N'}, {'i', 'I'}, {'D', 'D'},          {'N', 'N'},
        {'I', 'I'}, {'0', '0'}, {'9', '9'}, {'.', '.'},          {'\b', '\b'},
        {'a', {}},  {'x', {}},  {'O', {}},  {',', std::nullopt}, {' ', std::nullopt},
    };
    for (const auto& [typed, kept] : cases) EXPECT_EQ(filterToneKey(typed), kept) << typed;
}

}  // namespace
}  // namespace pl63
