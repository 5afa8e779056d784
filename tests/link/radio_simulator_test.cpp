#include "link/radio_simulator.h"

#include <gtest/gtest.h>

namespace pl63::link {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kOpening = {'R', 'M', '-', 'P', 'R', 'O', 'G'};

Bytes joined(const std::vector<RadioOutput>& outputs) {
    Bytes all;
    for (const auto& o : outputs) all.insert(all.end(), o.bytes.begin(), o.bytes.end());
    return all;
}

// Opening, proceed and the identity acknowledge: the radio then takes requests.
void openSession(RadioSimulator& radio) {
    for (const Bytes& frame : {kOpening, Bytes{0x02}, Bytes{0x06}}) radio.receive(frame);
}

TEST(RadioSimulator, FramesArriveSplitJoinedOrAfterNoise) {
    RadioSimulator radio;
    Bytes noisy = {0x00, 'R', 'M', 0x45};
    noisy.insert(noisy.end(), kOpening.begin(), kOpening.end() - 1);
    EXPECT_TRUE(radio.receive(noisy).empty());
    Bytes rest = {'G', 0x02, 0x06, 0x52, 0x00};
    const Bytes replies = joined(radio.receive(rest));
    const Bytes expected = {0x06, 'P', '3', 'K', 'V', '9', '1', '4', 0x00, 0x06};
    EXPECT_EQ(replies, expected);
    EXPECT_EQ(joined(radio.receive({0x10, 0x04})).size(), 8u);
    EXPECT_EQ(radio.framesSeen().size(), 4u);
    radio.receive({0x06, 0x45});
    EXPECT_TRUE(radio.sessionEnded());
}

TEST(RadioSimulator, ReadsAndWritesMemoryAndStaysInsideIt) {
    RadioSimulator radio;
    for (std::size_t i = 0; i < radio.memory().size(); ++i) radio.memory()[i] = std::uint8_t(i);
    openSession(radio);

    EXPECT_EQ(joined(radio.receive({0x52, 0x01, 0xC0, 0x04})),
              (Bytes{0x57, 0x01, 0xC0, 0x04, 0xB0, 0xB1, 0xB2, 0xB3}));
    radio.receive({0x06});
    // The block at 0x0408 runs past the end of memory: the tail reads 0xFF.
    EXPECT_EQ(joined(radio.receive({0x52, 0x04, 0x08, 0x10})),
              (Bytes{0x57, 0x04, 0x08, 0x10, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD,
                     0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    radio.receive({0x06});

    Bytes write = {0x57, 0x04, 0x0C, 0x08, 1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(joined(radio.receive(write)), Bytes{0x06});
    EXPECT_EQ(radio.memory()[0x3FC], 1);
    EXPECT_EQ(radio.memory()[0x3FF], 4);
    write = {0x57, 0x00, 0x00, 0x04, 9, 9, 9, 9};  // below memory: ignored
    EXPECT_EQ(joined(radio.receive(write)), Bytes{0x06});
    EXPECT_EQ(radio.memory()[0], 0);
    EXPECT_EQ(radio.blocksTransferred(), 4);
}

TEST(RadioSimulator, InjectedFaults) {
    struct Case {
        const char* name;
        RadioFaults faults;
        Bytes afterRequest;  // what the first read request of 0x0010 gets
    };
    const Bytes good = {0x57, 0x00, 0x10, 0x02, 0xAA, 0xBB};
    const std::vector<Case> cases = {
        {"none", {}, good},
        {"silent", {.silent = true}, {}},
        {"stall", {.stallAfterBlock = 0}, {}},
        {"echo", {.wrongEcho = true}, {0x57, 0x00, 0x11, 0x02, 0xAA, 0xBB}},
        {"break", {.breakAfterBlock = 0}, {0x00, 0x57, 0x00, 0x10, 0x02, 0xAA, 0xBB}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RadioSimulator radio;
        radio.memory()[0] = 0xAA;
        radio.memory()[1] = 0xBB;
        // Break applied to the opening's acknowledge would hide the one we look at.
        if (c.faults.breakAfterBlock < 0) radio.setFaults(c.faults);
        openSession(radio);
        radio.setFaults(c.faults);
        const auto outputs = radio.receive({0x52, 0x00, 0x10, 0x02});
        EXPECT_EQ(joined(outputs), c.afterRequest);
        if (!outputs.empty()) {
            EXPECT_EQ(outputs[0].breakBefore, c.faults.breakAfterBlock == 0);
        }
    }

    RadioSimulator radio;
    radio.setFaults({.strayByteBeforeAck = true, .chunkSize = 3});
    radio.receive(kOpening);
    const auto identity = radio.receive({0x02});
    ASSERT_EQ(identity.size(), 3u);
    EXPECT_EQ(identity[2].bytes.size(), 2u);
    EXPECT_EQ(joined(radio.receive({0x06})), (Bytes{0x00, 0x06}));

    radio.setFaults({.wrongIdentity = true});
    radio.receive({0x45});
    radio.receive(kOpening);
    const Bytes foreign = joined(radio.receive({0x02}));
    EXPECT_EQ(foreign.size(), 8u);
    const std::string text(foreign.begin(), foreign.end());
    EXPECT_EQ(text.find("KV914"), std::string::npos);
}

}  // namespace
}  // namespace pl63::link
