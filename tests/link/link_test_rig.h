#pragma once
// A recording host wired to the simulated radio in-process. Frames and replies
// are queued and pumped in a loop, so the engine is never re-entered from its
// own writeFrame; timers advance only when a test ticks them.
#include <deque>
#include <string>
#include <vector>

#include "link/link_engine.h"
#include "link/radio_simulator.h"

namespace pl63::link::testing {

using Bytes = std::vector<std::uint8_t>;

struct RecordingHost : LinkHost {
    // What the host answers.
    bool portOpen = true;
    bool login = false;
    bool debug = false;
    std::string password;
    std::string passwordBox;
    std::string image;

    // What the engine did, in order. Each entry names one call, so a test can
    // check the sequence ("message" before "frame 45").
    std::vector<std::string> log;
    std::vector<Bytes> frames;
    std::deque<Bytes> unsent;  // frames not yet carried to the radio
    std::vector<std::pair<std::string, int>> messages;
    std::vector<std::string> statusTexts;
    std::vector<std::string> decoded;
    std::vector<LinkOutcome> outcomes;
    bool statusVisible = false;
    bool progressShown = false;
    int progressMaximum = -1;
    int progressValue = -1;
    bool commandsEnabled = true;
    bool timer1 = false;
    bool timer2 = false;
    int encodeCalls = 0;

    bool portIsOpen() override { return portOpen; }
    void writeFrame(const Bytes& frame) override {
        frames.push_back(frame);
        unsent.push_back(frame);
        log.push_back("frame " + hex(frame));
    }
    void setTimer1Running(bool running) override { timer1 = running; }
    void setTimer2Running(bool running) override { timer2 = running; }
    void setStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void setStatusVisible(bool visible) override { statusVisible = visible; }
    void toggleStatusVisible() override { statusVisible = !statusVisible; }
    void showProgress(int maximum) override {
        progressShown = true;
        progressMaximum = maximum;
        progressValue = 0;
    }
    void setProgress(int value) override { progressValue = value; }
    void hideProgress() override { progressShown = false; }
    void setCommandsEnabled(bool enabled) override {
        commandsEnabled = enabled;
        log.push_back(enabled ? "commands on" : "commands off");
    }
    void prepareForTransfer() override { log.push_back("prepare"); }
    void showMessage(const std::string& text, int style) override {
        messages.emplace_back(text, style);
        log.push_back("message");
    }
    bool loginMode() override { return login; }
    bool debugUnlocked() override { return debug; }
    std::string commPassword() override { return password; }
    std::string passwordBoxText() override { return passwordBox; }
    std::string encodeImage() override {
        ++encodeCalls;
        return image;
    }
    void decodeImage(const std::string& readData) override { decoded.push_back(readData); }
    void transferEnded(LinkOutcome outcome) override { outcomes.push_back(outcome); }

    static std::string hex(const Bytes& bytes) {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        std::string text;
        for (auto b : bytes) {
            text += kDigits[b >> 4];
            text += kDigits[b & 0x0F];
        }
        return text;
    }
};

struct Rig {
    RecordingHost host;
    RadioSimulator radio;
    LinkEngine engine{host, Language::English};

    // Carries frames to the radio and its replies back until both are quiet.
    void pump() {
        while (!host.unsent.empty()) {
            const Bytes frame = host.unsent.front();
            host.unsent.pop_front();
            for (const RadioOutput& output : radio.receive(frame)) {
                if (output.breakBefore) engine.breakSeen();
                engine.received(output.bytes);
            }
        }
    }

    // Runs until the link is quiet and the engine has stopped both timers,
    // ticking Timer2 each round and Timer1 every other round (200 / 500 ms,
    // near enough). Returns the number of Timer1 ticks spent.
    int runToEnd(int maxRounds = 200) {
        int timer1Ticks = 0;
        pump();
        for (int round = 0; round < maxRounds && (host.timer1 || host.timer2); ++round) {
            if (host.timer2) engine.timer2Tick();
            if (round % 2 == 1 && host.timer1) {
                engine.timer1Tick();
                ++timer1Ticks;
            }
            pump();
        }
        return timer1Ticks;
    }

    // Radio addresses of the write blocks the radio saw, in order.
    std::vector<int> writeAddresses() const {
        std::vector<int> addresses;
        for (const Bytes& f : radio.framesSeen())
            if (f.size() == 20 && f[0] == 0x57) addresses.push_back(f[1] << 8 | f[2]);
        return addresses;
    }
    int readRequests() const {
        int count = 0;
        for (const Bytes& f : radio.framesSeen())
            if (f.size() == 4 && f[0] == 0x52) ++count;
        return count;
    }
};

// A recognisable memory: every byte differs from its neighbours and from 0xFF.
inline void fillPattern(RadioSimulator& radio, unsigned seed = 7) {
    for (std::size_t i = 0; i < radio.memory().size(); ++i)
        radio.memory()[i] = static_cast<std::uint8_t>((i * 31 + seed) % 251);
}

// An 848-byte image text whose bytes encode their own offset.
inline std::string patternImage() {
    Bytes bytes(0x350);
    for (std::size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<std::uint8_t>(k * 7 + 3);
    return RecordingHost::hex(bytes);
}

}  // namespace pl63::link::testing
