#include "codec/frequency_entry.h"

#include <gtest/gtest.h>

#include "codec/grid_texts.h"

namespace pl63 {
namespace {

constexpr FrequencyBand kBand400{400, 480};
constexpr FrequencyBand kBand136{136, 174};

struct TypedFrequency {
    FrequencyBand band;
    const char* typed;
    FrequencyCommit outcome;
    const char* cell;  // RX cell afterwards
};

TEST(FrequencyEntryTest, TypedReceiveFrequencyOnEmptyRow) {
    const TypedFrequency cases[] = {
        {kBand400, "400", FrequencyCommit::Created, "400.00000"},
        {kBand400, "480", FrequencyCommit::OutOfBand, ""},
        {kBand400, "399.99999", FrequencyCommit::OutOfBand, ""},
        {kBand400, "479.999", FrequencyCommit::Created, "479.99500"},
        // rounds onto the upper limit itself: still outside the band
        {kBand400, "479.999996", FrequencyCommit::OutOfBand, ""},
        {kBand400, "438.507", FrequencyCommit::Created, "438.50625"},
        {kBand400, "438.503", FrequencyCommit::Created, "438.50000"},
        {kBand400, "462.5625", FrequencyCommit::Created, "462.56250"},
        {kBand400, "0438.5", FrequencyCommit::Created, "438.50000"},
        {kBand400, "438.", FrequencyCommit::Created, "438.00000"},
        // the sixth decimal rounds half up in decimal: binary floating point
        // would see 438.50624499.. and snap down to 438.50500
        {kBand400, "438.506245", FrequencyCommit::Created, "438.50625"},
        {kBand400, "438.500004", FrequencyCommit::Created, "438.50000"},
        {kBand400, "1.2.3", FrequencyCommit::Unchanged, ""},
        {kBand400, "43a", FrequencyCommit::Unchanged, ""},
        {kBand400, ".", FrequencyCommit::Unchanged, ""},
        {kBand400, "-440", FrequencyCommit::Unchanged, ""},
        {kBand400, "99999999999999999999999", FrequencyCommit::OutOfBand, ""},
        {kBand136, "145.5", FrequencyCommit::Created, "145.50000"},
        {kBand136, "145.1234", FrequencyCommit::Created, "145.12000"},
        {kBand136, "99", FrequencyCommit::OutOfBand, ""},
        {kBand136, "174", FrequencyCommit::OutOfBand, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ChannelGrid grid;
        auto result = commitFrequency(grid, 4, ColRxFrequency, c.typed, c.band, Language::English);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(grid.text(4, ColRxFrequency), c.cell);
        EXPECT_EQ(result.message.en.empty(), c.outcome != FrequencyCommit::OutOfBand);
    }
}

TEST(FrequencyEntryTest, OutOfBandCarriesTheMessageInBothLanguages) {
    ChannelGrid grid;
    auto result = commitFrequency(grid, 1, ColRxFrequency, "500", kBand400, Language::Chinese);
    EXPECT_EQ(result.message.zh, "超出频段范围");
    EXPECT_EQ(result.message.en, "Beyond the frequency range");
    EXPECT_FALSE(result.changed());
}

TEST(FrequencyEntryTest, NewChannelGetsItsDefaultsInTheCurrentLanguage) {
    struct Expected {
        Language language;
        const char* off;
        const char* power;
        const char* forbid;
        const char* band;
        const char* scan;
    };
    const Expected cases[] = {
        {Language::English, "Off", "Hight", "Off", "Wide", "Have"},
        {Language::Chinese, "关闭", "高", "关闭", "宽带", "有"},
    };
    for (const auto& c : cases) {
        ChannelGrid grid;
        commitFrequency(grid, 7, ColRxFrequency, "438.5", kBand400, c.language);
        EXPECT_EQ(grid.text(7, ColTxFrequency), "438.50000");
        EXPECT_EQ(grid.text(7, ColRxTone), c.off);
        EXPECT_EQ(grid.text(7, ColTxTone), c.off);
        EXPECT_EQ(grid.text(7, ColPower), c.power);
        EXPECT_EQ(grid.text(7, ColForbid), c.forbid);
        EXPECT_EQ(grid.text(7, ColBandWidth), c.band);
        EXPECT_EQ(grid.text(7, ColScan), c.scan);
        EXPECT_EQ(grid.choices().at(7, ColPower), 1);
        EXPECT_EQ(grid.choices().at(7, ColForbid), 0);
        EXPECT_EQ(grid.choices().at(7, ColBandWidth), 1);
        EXPECT_EQ(grid.choices().at(7, ColScan), 1);
        EXPECT_FALSE(grid.inUse(6));
        EXPECT_FALSE(grid.inUse(8));
    }
}

// A channel as a user might have set it up, away from the defaults.
ChannelGrid gridWithEditedChannel(int row) {
    ChannelGrid grid;
    commitFrequency(grid, row, ColRxFrequency, "438.5", kBand400, Language::English);
    commitFrequency(grid, row, ColTxFrequency, "431.5", kBand400, Language::English);
    grid.setText(row, ColRxTone, "88.5");
    grid.setText(row, ColPower, "Low");
    grid.choices().set(row, ColPower, 0);
    return grid;
}

TEST(FrequencyEntryTest, ExistingChannelKeepsItsOtherFrequencyAndSettings) {
    ChannelGrid grid = gridWithEditedChannel(2);
    auto rx = commitFrequency(grid, 2, ColRxFrequency, "440.0125", kBand400, Language::English);
    EXPECT_EQ(rx.outcome, FrequencyCommit::Written);
    EXPECT_EQ(grid.text(2, ColRxFrequency), "440.01250");
    EXPECT_EQ(grid.text(2, ColTxFrequency), "431.50000");
    EXPECT_EQ(grid.text(2, ColRxTone), "88.5");
    EXPECT_EQ(grid.text(2, ColPower), "Low");

    auto tx = commitFrequency(grid, 2, ColTxFrequency, "445.003", kBand400, Language::English);
    EXPECT_EQ(tx.outcome, FrequencyCommit::Written);
    EXPECT_EQ(grid.text(2, ColTxFrequency), "445.00000");
    EXPECT_EQ(grid.text(2, ColRxFrequency), "440.01250");
}

TEST(FrequencyEntryTest, ReceiveOnlyChannelIsGivenTheDefaultsAgain) {
    ChannelGrid grid = gridWithEditedChannel(3);
    grid.setText(3, ColTxFrequency, "");
    commitFrequency(grid, 3, ColRxFrequency, "439", kBand400, Language::English);
    EXPECT_EQ(grid.text(3, ColTxFrequency), "439.00000");
    EXPECT_EQ(grid.text(3, ColRxTone), "Off");
    EXPECT_EQ(grid.text(3, ColPower), "Hight");
    EXPECT_EQ(grid.choices().at(3, ColPower), 1);
}

TEST(FrequencyEntryTest, RejectedValuesLeaveTheCellAsItWas) {
    for (const char* typed : {"480", "1.2.3", "."}) {
        SCOPED_TRACE(typed);
        ChannelGrid grid = gridWithEditedChannel(5);
        commitFrequency(grid, 5, ColRxFrequency, typed, kBand400, Language::English);
        commitFrequency(grid, 5, ColTxFrequency, typed, kBand400, Language::English);
        EXPECT_EQ(grid.text(5, ColRxFrequency), "438.50000");
        EXPECT_EQ(grid.text(5, ColTxFrequency), "431.50000");
        EXPECT_EQ(grid.text(5, ColRxTone), "88.5");
    }
}

TEST(FrequencyEntryTest, EmptyingReceiveDeletesTheChannelEmptyingTransmitDoesNothing) {
    ChannelGrid grid = gridWithEditedChannel(9);
    auto tx = commitFrequency(grid, 9, ColTxFrequency, "", kBand400, Language::English);
    EXPECT_EQ(tx.outcome, FrequencyCommit::Unchanged);
    EXPECT_EQ(grid.text(9, ColTxFrequency), "431.50000");

    auto rx = commitFrequency(grid, 9, ColRxFrequency, "", kBand400, Language::English);
    EXPECT_EQ(rx.outcome, FrequencyCommit::Cleared);
    for (int col = ColRxFrequency; col <= ColScan; ++col) EXPECT_EQ(grid.text(9, col), "");
    EXPECT_EQ(grid.text(9, ColNumber), "09");
    for (int col = ColPower; col <= ColScan; ++col) EXPECT_EQ(grid.choices().at(9, col), 0);
}

TEST(FrequencyEntryTest, KeyFilterPassesOnlyDigitsPointAndBackspace) {
    for (char c : std::string("0123456789.\b")) EXPECT_TRUE(acceptsFrequencyKey(c)) << int(c);
    for (char c : std::string("aZ,-+ e\r")) EXPECT_FALSE(acceptsFrequencyKey(c)) << int(c);
}

}  // namespace
}  // namespace pl63
