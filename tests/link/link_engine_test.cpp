#include "link/link_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "link/link_test_rig.h"

namespace pl63::link::testing {
namespace {

const std::string kCommError =
    "Communication error, please check the intercom model, fault, attachment and computer serial "
    "choice!";

std::string memoryHex(const RadioSimulator& radio) {
    return RecordingHost::hex(Bytes(radio.memory().begin(), radio.memory().end()));
}

TEST(LinkEngineRead, FetchesAllMemoryInSixteenBlocksAndHandsItToDecode) {
    for (std::size_t chunk : {std::size_t{0}, std::size_t{1}}) {
        SCOPED_TRACE(chunk);
        Rig rig;
        fillPattern(rig.radio);
        rig.radio.setFaults({.chunkSize = chunk});
        ASSERT_TRUE(rig.engine.startRead());
        rig.pump();

        std::vector<int> requested;
        for (const Bytes& f : rig.radio.framesSeen())
            if (f.size() == 4 && f[0] == 0x52) requested.push_back(f[1] << 8 | f[2]);
        ASSERT_EQ(requested.size(), 16u);
        for (std::size_t i = 0; i < requested.size(); ++i)
            EXPECT_EQ(requested[i], 0x10 + 0x40 * int(i));

        ASSERT_EQ(rig.host.decoded.size(), 1u);
        EXPECT_EQ(rig.host.decoded[0].size(), 2048u);
        EXPECT_EQ(rig.host.decoded[0], memoryHex(rig.radio));
        EXPECT_EQ(rig.host.progressMaximum, 460);
        EXPECT_EQ(rig.host.progressValue, 425);
        EXPECT_FALSE(rig.host.progressShown);
        EXPECT_EQ(rig.host.encodeCalls, 1);
        EXPECT_EQ(rig.host.frames.back(), Bytes{0x45});
        EXPECT_TRUE(rig.radio.sessionEnded());
        EXPECT_EQ(rig.host.statusTexts.back(), "Read frequency success!");
        EXPECT_EQ(rig.host.outcomes, std::vector{LinkOutcome::ReadSucceeded});
    }
}

struct WriteCase {
    bool debug;
    bool login;
    std::vector<int> extra;  // the optional blocks that must go out
    int progress;
};

TEST(LinkEngineWrite, SendsTheWrittenRangesInOrderAndTheRadioKeepsThem) {
    const std::vector<WriteCase> cases = {
        {false, false, {}, 300},
        {true, false, {0x180}, 310},
        {false, true, {0x1C0}, 310},
        {true, true, {0x180, 0x1C0}, 320},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "debug " << c.debug << " login " << c.login);
        Rig rig;
        fillPattern(rig.radio, 99);
        const auto before = rig.radio.memory();
        rig.host.debug = c.debug;
        rig.host.login = c.login;
        rig.host.image = patternImage();
        ASSERT_TRUE(rig.engine.startWrite());
        rig.pump();

        std::vector<int> expected;
        for (int a = 0x10; a <= 0x170; a += 0x10) expected.push_back(a);
        if (c.debug) expected.push_back(0x180);
        expected.push_back(0x1B0);
        if (c.login) expected.push_back(0x1C0);
        for (int a = 0x300; a <= 0x340; a += 0x10) expected.push_back(a);
        EXPECT_EQ(rig.writeAddresses(), expected);

        // Written blocks hold the image; everything else is untouched.
        for (int address = 0x10; address < 0x410; ++address) {
            const std::size_t k = std::size_t(address - 0x10);
            const bool written =
                std::find(expected.begin(), expected.end(), address & ~0xF) != expected.end();
            const auto want =
                written ? std::stoi(rig.host.image.substr(2 * k, 2), nullptr, 16) : before[k];
            ASSERT_EQ(rig.radio.memory()[k], want) << std::hex << address;
        }
        EXPECT_EQ(rig.host.progressValue, c.progress);
        EXPECT_TRUE(rig.host.decoded.empty());
        EXPECT_EQ(rig.host.frames.back(), Bytes{0x45});
        EXPECT_EQ(rig.host.statusTexts.back(), "Write frequency success!");
        EXPECT_EQ(rig.host.outcomes, std::vector{LinkOutcome::WriteSucceeded});
    }
}

TEST(LinkEngineWrite, ShortImageGoesOutAsUnprogrammedBytes) {
    Rig rig;
    fillPattern(rig.radio);
    rig.host.image = "0A0B";
    rig.engine.startWrite();
    rig.pump();
    EXPECT_EQ(rig.host.outcomes, std::vector{LinkOutcome::WriteSucceeded});
    EXPECT_EQ(rig.radio.memory()[0], 0x0A);
    EXPECT_EQ(rig.radio.memory()[1], 0x0B);
    EXPECT_EQ(rig.radio.memory()[2], 0xFF);
    EXPECT_EQ(rig.radio.memory()[0x2F0], 0xFF);
}

TEST(LinkEngineFailure, BadRepliesEndInTheTimeOutOnTheSixthTick) {
    const std::vector<std::pair<const char*, RadioFaults>> cases = {
        {"silent", {.silent = true}},
        {"stray byte", {.strayByteBeforeAck = true}},
        {"wrong identity", {.wrongIdentity = true}},
        {"wrong echo", {.wrongEcho = true}},
        {"stall", {.stallAfterBlock = 3}},
    };
    for (const auto& [name, faults] : cases) {
        SCOPED_TRACE(name);
        Rig rig;
        rig.radio.setFaults(faults);
        rig.engine.startRead();
        rig.pump();
        const std::size_t framesBefore = rig.host.frames.size();
        for (int tick = 1; tick <= 5; ++tick) rig.engine.timer1Tick();
        EXPECT_TRUE(rig.host.outcomes.empty());
        EXPECT_FALSE(rig.engine.LinkFinished());
        rig.engine.timer1Tick();

        EXPECT_EQ(rig.host.outcomes, std::vector{LinkOutcome::TimedOut});
        ASSERT_EQ(rig.host.messages.size(), 1u);
        EXPECT_EQ(rig.host.messages[0], std::make_pair(kCommError, 16));
        EXPECT_TRUE(rig.host.decoded.empty());
        EXPECT_FALSE(rig.host.timer1 || rig.host.timer2 || rig.host.progressShown);
        EXPECT_FALSE(rig.host.statusVisible);
        ASSERT_EQ(rig.host.frames.size(), framesBefore + 1);
        const std::vector<std::string> tail(rig.host.log.end() - 3, rig.host.log.end());
        EXPECT_EQ(tail, (std::vector<std::string>{"message", "commands on", "frame 45"}));
    }
}

TEST(LinkEngineFailure, EveryFrameSentRestartsTheTimeOut) {
    Rig rig;
    rig.engine.startRead();
    for (int tick = 0; tick < 5; ++tick) rig.engine.timer1Tick();
    rig.engine.received({0x06});  // answered with the proceed frame
    ASSERT_EQ(rig.host.frames.back(), Bytes{0x02});
    for (int tick = 0; tick < 5; ++tick) rig.engine.timer1Tick();
    EXPECT_TRUE(rig.host.outcomes.empty());
    rig.engine.timer1Tick();
    EXPECT_EQ(rig.host.outcomes, std::vector{LinkOutcome::TimedOut});
}

TEST(LinkEngineReplies, IdentityIsExactlyEightBytesHoldingTheModelIdAnywhereInTheText) {
    const std::vector<std::pair<Bytes, bool>> cases = {
        {{'P', '3', 'K', 'V', '9', '1', '4', 0}, true},
        {{0x04, 0xB5, 0x63, 0x93, 0x13, 0x40, 0, 0}, true},  // "KV914" half a byte off
        {{'K', 'V', '9', '1', '4', 0, 0}, false},
        {{'P', '3', 'K', 'V', '9', '1', '4', 0, 0}, false},
        {{'P', '3', 'K', 'V', '9', '1', '5', 0}, false},
    };
    for (const auto& [identity, accepted] : cases) {
        SCOPED_TRACE(RecordingHost::hex(identity));
        Rig rig;
        rig.engine.startRead();
        rig.engine.received({0x06});
        rig.engine.received(identity);
        EXPECT_EQ(rig.engine.LinkPhase() == 0, accepted);
        EXPECT_EQ(rig.host.frames.back() == Bytes{0x06}, accepted);
    }
}

TEST(LinkEngineReplies, BreakDropsTheOldestByte) {
    Rig rig;
    rig.engine.startRead();
    rig.engine.received({0x00, 0x06});
    EXPECT_EQ(rig.host.frames.size(), 1u);  // "0006" is no acknowledge
    rig.engine.breakSeen();
    rig.engine.received({});  // "06" left: acknowledged with the proceed frame
    EXPECT_EQ(rig.host.frames.back(), Bytes{0x02});

    // Through the radio: a break with its noise byte before a mid-read reply.
    Rig viaRadio;
    fillPattern(viaRadio.radio);
    viaRadio.radio.setFaults({.breakAfterBlock = 5});
    viaRadio.engine.startRead();
    viaRadio.pump();
    ASSERT_EQ(viaRadio.host.decoded.size(), 1u);
    EXPECT_EQ(viaRadio.host.decoded[0], memoryHex(viaRadio.radio));
}

// The radio acknowledging a request instead of answering it, or sending a
// block twice, must not shift the image or end the read as a success.
TEST(LinkEngineReplies, ReadAcceptsExactlyOneBlockPerRequest) {
    Rig rig;
    rig.engine.startRead();
    for (const Bytes& reply :
         {Bytes{0x06}, Bytes{'P', '3', 'K', 'V', '9', '1', '4', 0}, Bytes{0x06}})
        rig.engine.received(reply);
    ASSERT_EQ(rig.host.frames.back(), (Bytes{0x52, 0x00, 0x10, 0x40}));
    const std::size_t frames = rig.host.frames.size();
    rig.engine.received({0x06});
    EXPECT_EQ(rig.host.frames.size(), frames);

    Bytes block = {0x57, 0x00, 0x10, 0x40};
    block.resize(68, 0x11);
    Rig dup;
    dup.engine.startRead();
    for (const Bytes& reply :
         {Bytes{0x06}, Bytes{'P', '3', 'K', 'V', '9', '1', '4', 0}, Bytes{0x06}, block})
        dup.engine.received(reply);
    ASSERT_EQ(dup.engine.ReadData().size(), 128u);
    dup.engine.received(block);
    EXPECT_EQ(dup.engine.ReadData().size(), 128u);
}

TEST(LinkEngineLifecycle, BytesAfterTheEndChangeNothingButRxText) {
    Rig rig;
    fillPattern(rig.radio);
    rig.engine.startRead();
    rig.pump();
    ASSERT_TRUE(rig.engine.LinkFinished());
    const std::size_t frames = rig.host.frames.size();
    rig.engine.received({0x06});
    rig.engine.received({0x57, 0x03, 0xD0, 0x40});
    EXPECT_EQ(rig.engine.RxText(), "065703D040");
    EXPECT_EQ(rig.host.frames.size(), frames);
    EXPECT_EQ(rig.host.decoded.size(), 1u);
}

// A device that is no radio (or a pseudo-terminal, which has no speed) can
// deliver megabytes between two frames; a 9600-baud line cannot.
TEST(LinkEngineLifecycle, FloodingPeerKeepsRxTextBoundedAndTheNextTransferWorks) {
    Rig rig;
    fillPattern(rig.radio);
    const Bytes garbage(1 << 16, 0x5A);
    rig.engine.startRead();
    for (int i = 0; i < 16; ++i) rig.engine.received(garbage);  // 1 MiB in the handshake
    EXPECT_LT(rig.engine.RxText().size(), std::size_t{1} << 18);
    for (int tick = 0; tick < 6; ++tick) rig.engine.timer1Tick();
    ASSERT_EQ(rig.host.outcomes, std::vector{LinkOutcome::TimedOut});
    for (int i = 0; i < 16; ++i) rig.engine.received(garbage);  // and as much after the end
    EXPECT_LT(rig.engine.RxText().size(), std::size_t{1} << 18);

    rig.host.unsent.clear();
    rig.radio.resetSession();
    ASSERT_TRUE(rig.engine.startRead());
    rig.pump();
    ASSERT_EQ(rig.host.decoded.size(), 1u);
    EXPECT_EQ(rig.host.decoded[0], memoryHex(rig.radio));
}

TEST(LinkEngineLifecycle, ResultStaysOnForTenBlinksThenCommandsReturn) {
    Rig rig;
    fillPattern(rig.radio);
    rig.engine.startRead();
    rig.pump();
    ASSERT_EQ(rig.host.outcomes.size(), 1u);
    EXPECT_FALSE(rig.host.timer1);
    for (int tick = 1; tick <= 9; ++tick) {
        rig.engine.timer2Tick();
        ASSERT_FALSE(rig.host.commandsEnabled) << tick;
        ASSERT_TRUE(rig.engine.busy());
    }
    rig.engine.timer2Tick();
    EXPECT_TRUE(rig.host.commandsEnabled);
    EXPECT_FALSE(rig.host.timer2 || rig.host.statusVisible || rig.engine.busy());
}

// A headless host (the browser page, a fleet of radios) gives the engine a
// port and the data; the view it leaves out shows nothing.
struct HeadlessPort : LinkPort, LinkData {
    RadioSimulator radio;
    std::deque<Bytes> toPc;
    std::string image = patternImage(), readData;
    bool portIsOpen() override { return true; }
    void writeFrame(const Bytes& frame) override {
        for (RadioOutput& output : radio.receive(frame)) toPc.push_back(output.bytes);
    }
    void setTimer1Running(bool) override {}
    void setTimer2Running(bool) override {}
    std::string encodeImage() override { return image; }
    void decodeImage(const std::string& data) override { readData = data; }
};

TEST(LinkEngineHost, AHeadlessHostNeedsOnlyAPortAndTheData) {
    HeadlessPort host;
    LinkView nothingShown;
    LinkEngine engine(host, nothingShown, host, Language::English);
    for (const bool write : {true, false}) {
        ASSERT_TRUE(write ? engine.startWrite() : engine.startRead());
        for (; !host.toPc.empty(); host.toPc.pop_front()) engine.received(host.toPc.front());
        EXPECT_TRUE(engine.LinkFinished());
        EXPECT_EQ(engine.LinkMode(), write ? LinkMode::Write : LinkMode::Read);
    }
    // The channels the write sent are what the read brought back.
    ASSERT_EQ(host.readData.size(), 2048u);
    EXPECT_EQ(host.readData.substr(0, 2 * 0x170), host.image.substr(0, 2 * 0x170));
}

TEST(LinkEngineLifecycle, ClosedPortOnlyReportsAndStartsAreRefusedWhileRunning) {
    for (Language language : {Language::Chinese, Language::English}) {
        Rig rig;
        rig.host.portOpen = false;
        rig.engine.setLanguage(language);
        EXPECT_FALSE(rig.engine.startWrite());
        ASSERT_EQ(rig.host.messages.size(), 1u);
        EXPECT_EQ(rig.host.messages[0].first, linkText(LinkText::PortNotOpen, language));
        EXPECT_EQ(rig.host.messages[0].second, 64);
        EXPECT_TRUE(rig.host.frames.empty());
        EXPECT_EQ(rig.host.log, std::vector<std::string>{"message"});
        EXPECT_EQ(rig.engine.LinkMode(), LinkMode::None);
    }
    Rig rig;
    rig.engine.startRead();
    EXPECT_FALSE(rig.engine.startWrite());
    EXPECT_FALSE(rig.engine.startPasswordTransfer());
    EXPECT_EQ(rig.engine.LinkMode(), LinkMode::Read);
    EXPECT_EQ(rig.host.frames.size(), 1u);
}

}  // namespace
}  // namespace pl63::link::testing
