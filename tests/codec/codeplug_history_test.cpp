// The undo history: any run of edits taken back step by step gives the first
// image byte for byte, and done again the last; the limit drops the oldest
// steps; a new step after an undo drops what was undone.
#include "codec/codeplug_history.h"

#include <gtest/gtest.h>

#include <random>

#include "codec/image_codec.h"

namespace pl63 {
namespace {

std::vector<std::uint8_t> imageOf(const Codeplug& codeplug) {
    return EncodeImage(codeplug, Language::English).bytes();
}

// One edit of the kind a window makes, chosen by the generator: a channel
// cell (entered or emptied), a list cell, a Function Set value, the band, an
// option store, the password.
void randomEdit(Codeplug& codeplug, std::mt19937& random) {
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const int row = pick(1, kChannelCount);
    switch (pick(0, 7)) {
        case 0: {
            const int khz = pick(0, 7999) * 5;
            char text[16];
            std::snprintf(text, sizeof text, "%03d.%05d", 400 + khz / 1000, (khz % 1000) * 100);
            codeplug.channels.setText(row, ColRxFrequency, text);
            codeplug.channels.setText(row, ColRxTone, "Off");
            codeplug.channels.setText(row, ColTxTone, "Off");
            break;
        }
        case 1:
            codeplug.channels.ClearNO(row);
            break;
        case 2: {
            const int col = pick(ColPower, ColScan);
            codeplug.channels.choices().set(row, col, static_cast<std::int16_t>(pick(0, 1)));
            break;
        }
        case 3:
            codeplug.functions.squelchGrade = static_cast<std::int16_t>(pick(0, 9));
            codeplug.functions.rxBannedVox = !codeplug.functions.rxBannedVox;
            break;
        case 4:
            codeplug.band = static_cast<std::int16_t>(pick(0, 6));
            break;
        case 5:
            codeplug.TxHighPowerTune = pick(0, 255);
            break;
        case 6:
            codeplug.EmbeddedInfo[pick(0, 1)] = "LINE" + std::to_string(pick(0, 999));
            break;
        default:
            codeplug.CommPassword = std::to_string(pick(0, 99999));
            break;
    }
}

StepName step(int n) {
    return {"步骤 " + std::to_string(n), "step " + std::to_string(n)};
}

TEST(CodeplugHistoryTest, AsManyUndosAsEditsGiveTheFirstImageAndAsManyRedosTheLast) {
    std::mt19937 random(20261208);
    for (int trial = 0; trial < 200; ++trial) {
        Codeplug data;
        randomEdit(data, random);
        CodeplugHistory history(data);
        const auto first = imageOf(data);
        const int edits = std::uniform_int_distribution<int>(1, 60)(random);
        for (int n = 0; n < edits; ++n) {
            randomEdit(data, random);
            history.record(data, step(n));
        }
        const auto last = imageOf(data);

        for (int n = 0; n < edits; ++n) data = history.undo();
        ASSERT_EQ(imageOf(data), first) << "trial " << trial << ", " << edits << " edits";
        EXPECT_FALSE(history.canUndo());
        for (int n = 0; n < edits; ++n) data = history.redo();
        ASSERT_EQ(imageOf(data), last) << "trial " << trial << ", " << edits << " edits";
        EXPECT_FALSE(history.canRedo());
    }
}

TEST(CodeplugHistoryTest, NamesFollowTheCursorAndANewStepDropsWhatWasUndone) {
    Codeplug data;
    CodeplugHistory history(data);
    EXPECT_EQ(history.undoName(), StepName{});
    for (int n = 1; n <= 3; ++n) {
        data.TxLowPowerTune = n;
        history.record(data, step(n));
    }
    EXPECT_EQ(history.undoName().en, "step 3");
    history.undo();
    EXPECT_EQ(history.undoName().en, "step 2");
    EXPECT_EQ(history.redoName().zh, "步骤 3");

    data.TxLowPowerTune = 40;
    history.record(data, step(4));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo().TxLowPowerTune, 2);
    EXPECT_EQ(history.undo().TxLowPowerTune, 1);
}

TEST(CodeplugHistoryTest, TheFileGoesWithTheStateAndAStepKeepsTheFileItStartedFrom) {
    Codeplug data;
    CodeplugHistory history(data);
    data.band = 1;
    history.record(data, step(1));
    history.setFile("a.DAT");
    data.band = 2;
    history.record(data, step(2));
    EXPECT_EQ(history.file(), "a.DAT");
    history.undo();
    history.undo();
    EXPECT_EQ(history.file(), "");
    history.redo();
    EXPECT_EQ(history.file(), "a.DAT");
}

TEST(CodeplugHistoryTest, KeepsTheLastHundredStepsAndDropsTheOldest) {
    Codeplug data;
    CodeplugHistory history(data);
    for (int n = 1; n <= 150; ++n) {
        data.TxHighPowerTune = n;
        history.record(data, step(n));
    }
    EXPECT_EQ(history.undoSteps(), CodeplugHistory::kDefaultLimit);
    Codeplug oldest;
    while (history.canUndo()) oldest = history.undo();
    EXPECT_EQ(oldest.TxHighPowerTune, 50);
    EXPECT_EQ(history.redoSteps(), 100u);
}

TEST(CodeplugHistoryTest, AnOngoingChangeJoinsItsStepUntilAnotherStepOrAnUndoComesBetween) {
    Codeplug data;
    CodeplugHistory history(data);
    const StepName password{"通讯密码", "communication password"};
    for (const char* typed : {"1", "12", "123"}) {
        data.CommPassword = typed;
        history.extend(data, password);
    }
    EXPECT_EQ(history.undoSteps(), 1u);
    data.band = 3;
    history.record(data, step(1));
    data.CommPassword = "1234";
    history.extend(data, password);
    EXPECT_EQ(history.undoSteps(), 3u);
    history.undo();
    data.CommPassword = "9";
    history.extend(data, password);  // after an undo: a step of its own
    EXPECT_EQ(history.undoSteps(), 3u);
    EXPECT_EQ(history.undo().CommPassword, "123");
    EXPECT_EQ(history.current().band, 3);
}

// A password typed and erased again (or taken back by the field's own
// Ctrl+Z) leaves no step that undo would spend on nothing.
TEST(CodeplugHistoryTest, AnOngoingChangeBackToWhereItStartedLeavesNoStep) {
    Codeplug data;
    data.CommPassword = "7";
    CodeplugHistory history(data);
    data.band = 2;
    history.record(data, step(1));
    const StepName password{"通讯密码", "communication password"};
    for (const char* typed : {"71", "712", "71", "7"}) {
        data.CommPassword = typed;
        history.extend(data, password);
    }
    EXPECT_EQ(history.undoSteps(), 1u);
    EXPECT_EQ(history.undoName(), step(1));
    data.CommPassword = "8";
    history.extend(data, password);
    EXPECT_EQ(history.undoSteps(), 2u);
    EXPECT_EQ(history.undo().CommPassword, "7");
}

TEST(CodeplugHistoryTest, RewritingEveryStateReachesStepsUndoneAndStepsToRedo) {
    Codeplug data;
    data.channels.setText(1, ColRxFrequency, "430.00000");
    data.channels.setText(1, ColRxTone, "关闭");
    data.channels.setText(1, ColTxTone, "关闭");
    CodeplugHistory history(data);
    data.channels.setText(2, ColRxFrequency, "431.00000");
    data.channels.setText(2, ColRxTone, "关闭");
    history.record(data, step(1));
    history.undo();
    history.rewriteAll([](Codeplug& state) { state.channels.SetGrid1Text(Language::English); });
    EXPECT_EQ(history.current().channels.text(1, ColRxTone), "Off");
    EXPECT_EQ(history.redo().channels.text(2, ColRxTone), "Off");
}

}  // namespace
}  // namespace pl63
