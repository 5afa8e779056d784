#include "codec/debug_frequency.h"

#include <gtest/gtest.h>

#include "codec/conversions.h"

namespace pl63 {
namespace {

struct SnapCase {
    TestFrequencyRow before;
    int column;
    TestFrequencyRow after;
};

TEST(TestFrequencyTest, RxEditSnapsToTheNearerRasterAndCopiesToTx) {
    const SnapCase cases[] = {
        {{"438.0125", "440.00000"}, TestColRx, {"438.01250", "438.01250"}},  // on 6.25 kHz
        {{"438.013", ""}, TestColRx, {"438.01250", "438.01250"}},  // 0.5 kHz vs 3 kHz: 6.25 wins
        {{"438.016", ""}, TestColRx, {"438.01500", "438.01500"}},  // 1 kHz vs 3.5 kHz: 5 wins
        {{"440", ""}, TestColRx, {"440.00000", "440.00000"}},      // tie on both rasters
        {{"  435.10700", ""}, TestColRx, {"435.10625", "435.10625"}},
        {{"446.00625", ""}, TestColRx, {"446.00625", "446.00625"}},
        {{"438.0124999", ""}, TestColRx, {"438.01000", "438.01000"}},  // always moves down
        {{"abc", "438.01250"}, TestColRx, {"0.00000", "0.00000"}},
        {{"12.5MHz", ""}, TestColRx, {"12.50000", "12.50000"}},
        {{"-5", ""}, TestColRx, {"0.00000", "0.00000"}},
        {{"", "438.01250"}, TestColRx, {"", ""}},
    };
    for (const SnapCase& c : cases) {
        TestFrequencyRow row = c.before;
        SnapTestFrequency(row, c.column);
        EXPECT_EQ(row, c.after) << c.before[0] << " / " << c.before[1];
    }
}

TEST(TestFrequencyTest, TxEditFollowsTheRasterOfRx) {
    const SnapCase cases[] = {
        {{"438.01250", "438.017"}, TestColTx, {"438.01250", "438.01250"}},
        {{"438.01500", "438.017"}, TestColTx, {"438.01500", "438.01500"}},
        {{"438.01250", "445.5"}, TestColTx, {"438.01250", "445.50000"}},
        {{"438.01250", ""}, TestColTx, {"438.01250", "438.01250"}},  // emptied: refilled
        {{"438.01500", "x"}, TestColTx, {"438.01500", "0.00000"}},
    };
    for (const SnapCase& c : cases) {
        TestFrequencyRow row = c.before;
        SnapTestFrequency(row, c.column);
        EXPECT_EQ(row, c.after) << c.before[0] << " / " << c.before[1];
    }
}

// Every 10 Hz value already on a raster must stay where it is: a remainder
// computed in MHz would come out a hair below the step for some of them.
TEST(TestFrequencyTest, ValuesOnTheRasterNeverMove) {
    for (long long units = 13600000; units <= 48000000; units += 625 * 37) {
        const std::string text = ChannelFrequency{units}.freqText();
        TestFrequencyRow row{text, ""};
        SnapTestFrequency(row, TestColRx);
        ASSERT_EQ(row[0], text);
        row[1] = text;
        SnapTestFrequency(row, TestColTx);
        ASSERT_EQ(row[1], text);
    }
}

TEST(TestFrequencyTest, TxIsEditableOnlyWithAnRxFrequency) {
    EXPECT_TRUE(testFrequencyCellEditable({"", ""}, TestColRx));
    EXPECT_FALSE(testFrequencyCellEditable({"", "438.01250"}, TestColTx));
    EXPECT_TRUE(testFrequencyCellEditable({"438.01250", ""}, TestColTx));
    EXPECT_FALSE(testFrequencyCellEditable({"438.01250", ""}, TestColNumber));
}

}  // namespace
}  // namespace pl63
