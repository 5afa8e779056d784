#include "forms/grid_choices.h"

#include <gtest/gtest.h>

#include "codec/frequency_entry.h"
#include "codec/tone_code.h"

namespace pl63::forms {
namespace {

TEST(GridChoices, PickedEntriesGoInAsTheGridShowsThem) {
    ChannelGrid grid;
    EXPECT_EQ(columnToEdit(grid, 5, ColPower), ColRxFrequency);  // an empty channel starts at RX
    commitFrequency(grid, 5, ColRxFrequency, "435.125", {400, 480}, Language::English);
    EXPECT_EQ(columnToEdit(grid, 5, ColPower), ColPower);

    struct Case {
        int column, position;
        Language language;
        std::string shown;
    };
    const Case tones[] = {
        {ColRxTone, 0, Language::English, "Off"},
        {ColTxTone, 0, Language::Chinese, "关闭"},
        {ColRxTone, kToneFirstCtcss, Language::English, toneListText(kToneFirstCtcss, Language::English)},
        {ColTxTone, kToneFirstDcsInverted, Language::English,
         toneListText(kToneFirstDcsInverted, Language::English)},
    };
    for (const Case& c : tones) {
        chooseTone(grid, 5, c.column, c.position, c.language);
        EXPECT_EQ(grid.text(5, c.column), c.shown) << c.position;
    }
    chooseTone(grid, 5, ColRxTone, kToneListSize, Language::English);  // no such entry
    EXPECT_EQ(grid.text(5, ColRxTone), tones[2].shown);

    EXPECT_TRUE(chooseListEntry(grid, 5, ColBandWidth, 0, Language::English));
    EXPECT_EQ(grid.choices().at(5, ColBandWidth), 0);
    EXPECT_FALSE(chooseListEntry(grid, 5, ColBandWidth, 2, Language::English));
    EXPECT_FALSE(chooseListEntry(grid, 5, ColRxTone, 0, Language::English));
    EXPECT_EQ(grid.choices().at(5, ColBandWidth), 0);
}

TEST(GridChoices, AConfirmedBandChangeEmptiesTheChannels) {
    Codeplug codeplug;
    commitFrequency(codeplug.channels, 1, ColRxFrequency, "435", {400, 480}, Language::English);
    changeBand(codeplug, 5);
    EXPECT_EQ(codeplug.band, 5);
    EXPECT_FALSE(codeplug.channels.inUse(1));
}

}  // namespace
}  // namespace pl63::forms
