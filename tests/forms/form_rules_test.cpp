#include "forms/form_rules.h"

#include <gtest/gtest.h>

#include "codec/frequency_entry.h"

namespace pl63::forms {
namespace {

TEST(FormRules, TextBoxesKeepOnlyWhatTheirControlTakes) {
    struct Case {
        std::string typed, stored, scanDelay, embedded;
    };
    const Case cases[] = {
        {"300", "", "300", "300"},
        {"301", "", "30", "301"},
        {"12a", "", "12", "12a"},
        {"-1", "-1", "-1", "-1"},  // a value the store holds is shown as it is
        {"中A\x7f", "", "", "A"},
        {"é1", "é", "", "é1"},     // a byte the radio already held stays
        {std::string(40, 'x'), "", "", std::string(32, 'x')},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(acceptedScanDelay(c.typed, c.stored), c.scanDelay) << c.typed;
        EXPECT_EQ(acceptedEmbeddedText(c.typed, c.stored), c.embedded) << c.typed;
    }
    EXPECT_EQ(acceptedPasswordText("ab.9 -Z" + std::string(20, '1')), "ab.9Z" + std::string(11, '1'));
}

TEST(FormRules, RadioBytesSurviveTheWayThroughText) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(bytes)), bytes);
    EXPECT_EQ(utf8ToLatin1("中"), "?");
}

TEST(FormRules, FixedPriorityNeedsAChannelInUse) {
    ChannelGrid grid;
    FormValues values{{"Combo11", 1}, {"Combo12", 5}};
    EXPECT_EQ(checkPriorityChoice("Combo11", values, grid).en, std::string(kFixedNeedsChannel.en));
    EXPECT_EQ(std::get<int>(values["Combo11"]), 0);

    commitFrequency(grid, 4, ColRxFrequency, "435", {400, 480}, Language::English);
    commitFrequency(grid, 9, ColRxFrequency, "436", {400, 480}, Language::English);
    values = {{"Combo11", 1}, {"Combo12", 0}};
    EXPECT_TRUE(checkPriorityChoice("Combo11", values, grid).en.empty());
    EXPECT_EQ(std::get<int>(values["Combo12"]), 3);  // channel 4, the first in use

    values["Combo12"] = 1;  // channel 2 is empty: back to the stored channel 9
    EXPECT_EQ(checkPriorityChoice("Combo12", values, grid, 9).zh, std::string(kEmptyChannelRefused.zh));
    EXPECT_EQ(std::get<int>(values["Combo12"]), 8);
}

TEST(FormRules, PasswordChangeRefusals) {
    EXPECT_FALSE(checkPasswordChange("", "new", "new", false));
    EXPECT_FALSE(checkPasswordChange("old", "new", "neW", false));
    EXPECT_TRUE(checkPasswordChange("old", "new", "new", false));
    EXPECT_TRUE(checkPasswordChange("", "", "x", true));
}

}  // namespace
}  // namespace pl63::forms
