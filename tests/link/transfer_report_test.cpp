#include "link/transfer_report.h"

#include <gtest/gtest.h>

#include "link/link_test_rig.h"

namespace pl63::link::testing {
namespace {

TEST(TransferProgress, StoppedTransfersCountTheBlocksTheRadioTook) {
    struct Case {
        bool write;
        bool debug;
        bool login;
        int stallAfter;
        int done;
        int total;
    };
    const Case cases[] = {
        {false, false, false, 0, 0, 16},   {false, false, false, 1, 1, 16},
        {false, false, false, 15, 15, 16}, {true, false, false, 0, 0, 29},
        {true, false, false, 12, 12, 29},  {true, true, false, 28, 28, 30},
        {true, true, true, 30, 30, 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.write) + " after " + std::to_string(c.stallAfter));
        Rig rig;
        rig.host.debug = c.debug;
        rig.host.login = c.login;
        rig.host.image = patternImage();
        rig.radio.setFaults({.stallAfterBlock = c.stallAfter});
        ASSERT_TRUE(c.write ? rig.engine.startWrite() : rig.engine.startRead());
        EXPECT_EQ(rig.engine.blocksTotal(), c.total);  // known before the first reply
        rig.runToEnd();
        ASSERT_EQ(rig.host.outcomes, std::vector{LinkOutcome::TimedOut});
        EXPECT_EQ(rig.engine.blocksDone(), c.done);
        EXPECT_EQ(rig.engine.blocksTotal(), c.total);
        if (c.write) {
            const auto sent = rig.writeAddresses();
            EXPECT_EQ(rig.engine.acknowledgedAddresses(),
                      std::vector<int>(sent.begin(), sent.begin() + c.done));
        }
    }

    // A finished write has every block acknowledged; a new start counts afresh.
    Rig rig;
    rig.host.image = patternImage();
    ASSERT_TRUE(rig.engine.startWrite());
    rig.runToEnd();
    EXPECT_EQ(rig.engine.blocksDone(), 29);
    EXPECT_EQ(rig.engine.acknowledgedAddresses(), rig.writeAddresses());
    ASSERT_TRUE(rig.engine.startRead());
    EXPECT_EQ(rig.engine.blocksDone(), 0);
    EXPECT_EQ(rig.engine.blocksTotal(), 16);
}

TEST(TransferProgress, StoppedTextsNameTheCountAndTheMixedRadio) {
    EXPECT_EQ(stoppedTransferText(true, 12, 29).en,
              "The write stopped after 12 of 29 blocks: the radio now holds a mix of old and new "
              "settings. Write it again.");
    EXPECT_EQ(stoppedTransferText(true, 12, 29).zh,
              "写频在第 12 块（共 29 块）后中断：对讲机现在混有新旧设置，请重新写频。");
    EXPECT_EQ(stoppedTransferText(true, 0, 30).en,
              "The write stopped before the first of 30 blocks; the radio's settings are "
              "unchanged.");
    EXPECT_EQ(stoppedTransferText(false, 5, 16).en,
              "The read stopped after 5 of 16 blocks; nothing was saved.");
}

TEST(TransferCancel, CancelSendsTheEndFrameWithoutTheErrorMessage) {
    Rig rig;
    fillPattern(rig.radio);
    EXPECT_FALSE(rig.engine.cancel());  // nothing running
    ASSERT_TRUE(rig.engine.startRead());
    // Carry frames only until a few blocks are in.
    while (rig.engine.blocksDone() < 3 && !rig.host.unsent.empty()) {
        const Bytes frame = rig.host.unsent.front();
        rig.host.unsent.pop_front();
        for (const RadioOutput& output : rig.radio.receive(frame))
            rig.engine.received(output.bytes);
    }
    ASSERT_EQ(rig.engine.blocksDone(), 3);
    ASSERT_TRUE(rig.engine.cancel());
    rig.pump();

    EXPECT_EQ(rig.host.frames.back(), Bytes{0x45});
    EXPECT_TRUE(rig.radio.sessionEnded());
    EXPECT_EQ(rig.host.outcomes, std::vector{LinkOutcome::Cancelled});
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_TRUE(rig.host.decoded.empty());
    EXPECT_FALSE(rig.host.timer1 || rig.host.timer2 || rig.host.progressShown);
    EXPECT_TRUE(rig.host.commandsEnabled);
    EXPECT_FALSE(rig.engine.cancel());  // once only
    EXPECT_EQ(rig.engine.blocksDone(), 3);

    // The link is ready for the next transfer at once.
    ASSERT_TRUE(rig.engine.startRead());
    rig.runToEnd();
    EXPECT_EQ(rig.host.outcomes.back(), LinkOutcome::ReadSucceeded);
}

// The radio's answer to the engine's oldest unsent frame, not yet delivered.
Bytes answerTo(Rig& rig) {
    Bytes answer;
    for (const RadioOutput& output : rig.radio.receive(rig.host.unsent.front()))
        answer.insert(answer.end(), output.bytes.begin(), output.bytes.end());
    rig.host.unsent.pop_front();
    return answer;
}

void carryUntilBlocks(Rig& rig, int blocks) {
    while (rig.engine.blocksDone() < blocks) rig.engine.received(answerTo(rig));
}

// The write block in flight when the user cancels counts if, and only if,
// the radio takes it: the count the user is told is the radio's.
TEST(TransferCancel, ACancelledWriteCountsTheBlockInFlightOnlyIfTheRadioTookIt) {
    for (const auto& [stallAfter, taken] : {std::pair{-1, 6}, std::pair{5, 5}}) {
        Rig rig;
        rig.radio.setFaults({.stallAfterBlock = stallAfter});
        ASSERT_TRUE(rig.engine.startWrite());
        carryUntilBlocks(rig, 5);  // the sixth block is on its way
        ASSERT_TRUE(rig.engine.cancel());
        rig.runToEnd();
        EXPECT_EQ(rig.host.outcomes, std::vector{LinkOutcome::Cancelled});
        EXPECT_EQ(rig.engine.blocksDone(), taken);
        EXPECT_EQ(rig.radio.blocksTransferred(), taken);
        EXPECT_EQ(rig.writeAddresses().size(), 6u);  // nothing after the block in flight
    }
}

// A cancel that did not wait for the radio's answer leaves its rest on the
// line, in front of the next transfer's first acknowledge.
TEST(TransferCancel, AReadStartedAtOnceAfterACancelLooksPastTheLastAnswersTail) {
    Rig rig;
    ASSERT_TRUE(rig.engine.startRead());
    carryUntilBlocks(rig, 2);
    rig.engine.received(answerTo(rig));  // block 2's acknowledge; block 3 is asked for
    const Bytes block = answerTo(rig);
    rig.engine.received(Bytes(block.begin(), block.begin() + 30));
    rig.engine.cancel();
    rig.engine.cancel();  // the second ends it at once
    ASSERT_TRUE(rig.engine.startRead());
    rig.engine.received(Bytes(block.begin() + 30, block.end()));
    rig.runToEnd();
    EXPECT_EQ(rig.host.outcomes, (std::vector{LinkOutcome::Cancelled, LinkOutcome::ReadSucceeded}));
}

TEST(TransferVerification, ReadBackFindsTheBlockTheRadioForgot) {
    for (int forget : {-1, 1, 24}) {
        SCOPED_TRACE(forget);
        Rig rig;
        rig.host.image = patternImage();
        rig.radio.setFaults({.forgetBlock = forget});
        ASSERT_TRUE(rig.engine.startWrite());
        rig.runToEnd();
        ASSERT_EQ(rig.host.outcomes.back(), LinkOutcome::WriteSucceeded);
        const std::string written = rig.engine.WriteImage();
        const std::vector<int> addresses = rig.engine.acknowledgedAddresses();

        ASSERT_TRUE(rig.engine.startRead());
        rig.runToEnd();
        ASSERT_EQ(rig.host.outcomes.back(), LinkOutcome::ReadSucceeded);
        const auto differing = differingBlocks(written, rig.host.decoded.back(), addresses);
        if (forget < 0) {
            EXPECT_TRUE(differing.empty());
            EXPECT_EQ(verificationText(differing, 29).en,
                      "Verified: the radio holds all 29 blocks as written.");
        } else {
            ASSERT_EQ(differing, std::vector<int>{addresses.at(forget - 1)});
        }
    }
    // Blocks the read-back does not reach count as not kept.
    EXPECT_EQ(differingBlocks(patternImage(), "", {0x10, 0x1B0}), (std::vector<int>{0x10, 0x1B0}));
    EXPECT_EQ(verificationText({0x0010, 0x01B0}, 29).en,
              "Verification failed: the radio did not keep the blocks at 0x0010, 0x01B0 (2 of "
              "29). Write it again.");
}

}  // namespace
}  // namespace pl63::link::testing
