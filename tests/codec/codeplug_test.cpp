#include "codec/codeplug.h"

#include <gtest/gtest.h>

namespace pl63 {
namespace {

void fillRow(ChannelGrid& grid, int row, const char* rx) {
    const char* texts[] = {rx, "关闭", rx, "D023N", "高", "载波", "窄带", "有"};
    for (int col = ColRxFrequency; col <= ColScan; ++col) grid.setText(row, col, texts[col - 1]);
    grid.choices().set(row, ColPower, 1);
    grid.choices().set(row, ColForbid, 1);
    grid.choices().set(row, ColBandWidth, 0);
    grid.choices().set(row, ColScan, 1);
}

TEST(CodeplugTest, StartUpState) {
    Codeplug c;
    EXPECT_EQ(c.channels.text(1, ColNumber), "01");
    EXPECT_EQ(c.channels.text(9, ColNumber), "09");
    EXPECT_EQ(c.channels.text(16, ColNumber), "16");
    for (int row = 1; row <= kChannelCount; ++row) EXPECT_FALSE(c.channels.inUse(row));
    // The image-borne start-up values are checked by the golden start-up image;
    // these are the ones no byte shows.
    EXPECT_EQ(c.OptionalSettings[0], "1");
    EXPECT_EQ(c.OptionalSettings[18], "");
    EXPECT_EQ(c.OptionalSettings[23], "1");
}

TEST(CodeplugTest, ClearOperations) {
    ChannelGrid grid;
    fillRow(grid, 2, "435.12500");
    fillRow(grid, 5, "436.00000");

    grid.ClearNO(2);
    EXPECT_FALSE(grid.inUse(2));
    EXPECT_EQ(grid.text(2, ColScan), "");
    EXPECT_EQ(grid.text(2, ColNumber), "02");
    EXPECT_EQ(grid.choices().at(2, ColPower), 0);
    EXPECT_TRUE(grid.inUse(5));

    // New keeps the choices; a band change resets them.
    grid.ClearGrid1();
    EXPECT_FALSE(grid.inUse(5));
    EXPECT_EQ(grid.text(5, ColTxTone), "");
    EXPECT_EQ(grid.choices().at(5, ColScan), 1);
    EXPECT_EQ(grid.text(5, ColNumber), "05");

    fillRow(grid, 5, "436.00000");
    grid.ClearGrid();
    EXPECT_FALSE(grid.inUse(5));
    EXPECT_EQ(grid.choices().at(5, ColScan), 0);
    EXPECT_EQ(grid.text(16, ColNumber), "16");
}

TEST(CodeplugTest, SetGrid1TextFollowsTheChoicesAndTheOffText) {
    ChannelGrid grid;
    fillRow(grid, 3, "435.12500");
    grid.setText(7, ColPower, "高");  // a row not in use is left alone

    grid.SetGrid1Text(Language::English);
    EXPECT_EQ(grid.text(3, ColRxTone), "Off");
    EXPECT_EQ(grid.text(3, ColTxTone), "D023N");
    EXPECT_EQ(grid.text(3, ColPower), "Hight");
    EXPECT_EQ(grid.text(3, ColForbid), "Carrow");
    EXPECT_EQ(grid.text(3, ColBandWidth), "Narrow");
    EXPECT_EQ(grid.text(3, ColScan), "Have");
    EXPECT_EQ(grid.text(7, ColPower), "高");

    grid.SetGrid1Text(Language::Chinese);
    EXPECT_EQ(grid.text(3, ColRxTone), "关闭");
    EXPECT_EQ(grid.text(3, ColPower), "高");
}

}  // namespace
}  // namespace pl63
