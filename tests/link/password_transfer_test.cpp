#include <gtest/gtest.h>

#include "link/link_test_rig.h"

namespace pl63::link::testing {
namespace {

constexpr std::size_t kPasswordAt = 0x1C0 - 0x10;  // memory index of the radio's password

void storePassword(RadioSimulator& radio, const std::string& password) {
    for (std::size_t i = 0; i < 16; ++i)
        radio.memory()[kPasswordAt + i] = i < password.size() ? std::uint8_t(password[i]) : 0xFF;
}

std::string storedPassword(const RadioSimulator& radio) {
    std::string text;
    for (std::size_t i = 0; i < 16; ++i)
        if (radio.memory()[kPasswordAt + i] != 0xFF) text += char(radio.memory()[kPasswordAt + i]);
    return text;
}

Bytes passwordOpening() {
    return {0x02, 'p', 'r', 'o', 'g', 'r', 'a', 'm'};
}

TEST(PasswordTransfer, ChecksTheOldPasswordThenWritesTheNewOne) {
    Rig rig;
    fillPattern(rig.radio);
    storePassword(rig.radio, "old.1");
    const auto before = rig.radio.memory();
    rig.host.passwordBox = "old.1";
    rig.host.password = "New2";

    ASSERT_TRUE(rig.engine.startPasswordTransfer());
    EXPECT_TRUE(rig.engine.PasswordChangePending());
    rig.pump();

    Bytes block = {0x57, 0x01, 0xC0, 0x10, 'N', 'e', 'w', '2'};
    block.resize(20, 0xFF);
    const std::vector<Bytes> expected = {
        passwordOpening(), {0x02}, {0x06}, {0x52, 0x01, 0xC0, 0x10}, {0x06}, block, {0x45}};
    EXPECT_EQ(rig.radio.framesSeen(), expected);
    EXPECT_EQ(storedPassword(rig.radio), "New2");
    for (std::size_t k = 0; k < before.size(); ++k) {
        if (k >= kPasswordAt && k < kPasswordAt + 16) continue;
        ASSERT_EQ(rig.radio.memory()[k], before[k]) << k;
    }

    EXPECT_EQ(rig.host.outcomes, std::vector{LinkOutcome::PasswordChanged});
    EXPECT_EQ(rig.host.statusTexts.back(), "Communications password is changed successfully!");
    EXPECT_EQ(rig.host.encodeCalls, 0);
    EXPECT_EQ(rig.host.progressMaximum, -1);
    EXPECT_FALSE(rig.host.timer1);
    EXPECT_TRUE(rig.engine.busy());  // result display running
    rig.runToEnd();
    EXPECT_TRUE(rig.host.commandsEnabled);
    EXPECT_FALSE(rig.engine.busy());
}

// A password transfer after a read or write must not carry on as one.
TEST(PasswordTransfer, LeavesLinkModeAloneAndNeverFallsIntoADataTransfer) {
    Rig rig;
    rig.host.image = patternImage();
    rig.engine.startWrite();
    rig.runToEnd();
    ASSERT_EQ(rig.writeAddresses().size(), 29u);

    storePassword(rig.radio, "A");
    rig.host.passwordBox = "A";
    rig.host.password = "B";
    rig.engine.startPasswordTransfer();
    rig.runToEnd();
    EXPECT_EQ(rig.engine.LinkMode(), LinkMode::Write);
    EXPECT_EQ(rig.writeAddresses().size(), 30u);
    EXPECT_EQ(rig.writeAddresses().back(), 0x1C0);
    EXPECT_EQ(rig.host.outcomes.back(), LinkOutcome::PasswordChanged);
    EXPECT_EQ(rig.host.encodeCalls, 1);
}

TEST(PasswordTransfer, LoginModeWritesWithoutAsking) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""}, {" pass ", "pass"}, {"0123456789abcdefXYZ", "0123456789abcdef"}};
    for (const auto& [password, stored] : cases) {
        SCOPED_TRACE(password);
        Rig rig;
        storePassword(rig.radio, "whatever");
        rig.host.login = true;
        rig.host.password = password;
        rig.engine.startPasswordTransfer();
        rig.pump();
        EXPECT_EQ(rig.readRequests(), 0);
        EXPECT_EQ(storedPassword(rig.radio), stored);
        EXPECT_EQ(rig.host.outcomes, std::vector{LinkOutcome::PasswordChanged});
    }
}

TEST(PasswordTransfer, WrongOrEmptyOldPasswordIsRefused) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"abc", "abd"}, {"abc", "ABC"}, {"", ""}};
    for (const auto& [inRadio, typed] : cases) {
        SCOPED_TRACE(inRadio + "/" + typed);
        Rig rig;
        storePassword(rig.radio, inRadio);
        rig.host.passwordBox = typed;
        rig.host.password = "new";
        rig.engine.startPasswordTransfer();
        rig.pump();
        EXPECT_EQ(storedPassword(rig.radio), inRadio);
        EXPECT_EQ(rig.host.outcomes, std::vector{LinkOutcome::PasswordWrong});
        ASSERT_EQ(rig.host.messages.size(), 1u);
        EXPECT_EQ(rig.host.messages[0], std::make_pair(std::string("Password is not correct"), 0));
        const std::vector<std::string> tail(rig.host.log.end() - 3, rig.host.log.end());
        EXPECT_EQ(tail, (std::vector<std::string>{"frame 45", "message", "commands on"}));
        EXPECT_FALSE(rig.host.timer1 || rig.host.timer2 || rig.host.statusVisible);
        EXPECT_FALSE(rig.engine.busy());
    }
}

TEST(PasswordTransfer, ClosedPortAndSilentRadio) {
    Rig closed;
    closed.host.portOpen = false;
    EXPECT_FALSE(closed.engine.startPasswordTransfer());
    EXPECT_FALSE(closed.engine.PasswordChangePending());
    EXPECT_TRUE(closed.host.frames.empty());
    ASSERT_EQ(closed.host.messages.size(), 1u);
    EXPECT_EQ(closed.host.messages[0].second, 64);

    Rig silent;
    silent.radio.setFaults({.silent = true});
    silent.engine.startPasswordTransfer();
    EXPECT_EQ(silent.runToEnd(), 6);
    EXPECT_EQ(silent.host.outcomes, std::vector{LinkOutcome::TimedOut});
}

}  // namespace
}  // namespace pl63::link::testing
