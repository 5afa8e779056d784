#include <set>

#include "fuzz_properties.h"
#include "link/link_engine.h"
#include "link_engine_run.h"

namespace pl63::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;
using link::LinkOutcome;

const Bytes kProgrammingOpening = {'R', 'M', '-', 'P', 'R', 'O', 'G'};
const Bytes kPasswordOpening = {0x02, 'p', 'r', 'o', 'g', 'r', 'a', 'm'};
constexpr std::uint8_t kEnd = 'E';
constexpr int kFirstAddress = 0x0010;
constexpr int kReadBlocks = 16;
constexpr int kReadBlockSize = 0x40;
constexpr int kPasswordAddress = 0x01C0;
constexpr std::size_t kReadDataDigits = 2 * kReadBlocks * kReadBlockSize;
constexpr std::size_t kRxTextBound = 65536;
constexpr int kProgressMaximum = 460;

std::string hex(const Bytes& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (auto b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

std::string hexAddress(int address) {
    return hex({static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)});
}

std::string imageText(int kind) {
    Bytes pattern(0x350);
    for (std::size_t k = 0; k < pattern.size(); ++k)
        pattern[k] = static_cast<std::uint8_t>(k * 7 + 3);
    switch (kind & 3) {
        case ImageFull:
            return hex(pattern);
        case ImageEmpty:
            return {};
        case ImageShort:
            return hex(Bytes(pattern.begin(), pattern.begin() + 100));
        default:
            return std::string(2 * pattern.size(), 'X');
    }
}

// Byte k of an image text as the radio must receive it: the text's two digits,
// or the radio's "unprogrammed" 0xFF where the text is too short or not hex.
std::uint8_t imageByte(const std::string& text, std::size_t k) {
    auto digit = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    if (2 * k + 1 >= text.size()) return 0xFF;
    const int high = digit(text[2 * k]);
    const int low = digit(text[2 * k + 1]);
    return high < 0 || low < 0 ? 0xFF : static_cast<std::uint8_t>(high * 16 + low);
}

// Which 16-byte blocks a write may send: filler, DTMF codes and the test
// channels never; the tuning values only when unlocked; the password only in
// LoginMode.
bool mayWrite(int address, bool login, bool debug) {
    if (address % 16 != 0) return false;
    if (address >= 0x0010 && address < 0x0180) return true;
    if (address == 0x0180) return debug;
    if (address == 0x01B0) return true;
    if (address == 0x01C0) return login;
    return address >= 0x0300 && address < 0x0350;
}

bool mustWrite(int address) {
    return mayWrite(address, false, false);
}

struct CheckingHost : link::LinkHost {
    Verdict& verdict;
    const link::LinkEngine* engine = nullptr;

    bool portOpen = true;
    bool login = false;
    bool debug = false;
    HostPasswords passwords;
    std::string image;

    bool starting = false;  // inside a start command
    bool timer1 = false;
    bool timer2 = false;
    bool statusVisible = false;
    bool progressShown = false;
    int progressMaximum = 0;
    bool commandsEnabled = true;

    // The running transfer.
    std::vector<int> readRequests;
    std::vector<int> writeBlocks;
    int decodeCalls = 0;
    EngineRun run;

    explicit CheckingHost(Verdict& v) : verdict(v) {}

    void beginTransfer() {
        readRequests.clear();
        writeBlocks.clear();
        decodeCalls = 0;
    }

    bool portIsOpen() override { return portOpen; }

    void writeFrame(const Bytes& frame) override {
        const bool finished = engine->LinkFinished();
        if (finished) {
            verdict.expect(frame == Bytes{kEnd},
                           "sent " + hex(frame) + " after the transfer ended");
            return;
        }
        if (frame == kProgrammingOpening || frame == kPasswordOpening) {
            verdict.expect(starting, "sent an opening in the middle of a transfer");
            return;
        }
        if (frame.size() == 1) {
            verdict.expect(frame[0] == 0x02 || frame[0] == 0x06 || frame[0] == kEnd,
                           "sent the one-byte frame " + hex(frame));
            return;
        }
        if (frame.size() == 4 && frame[0] == 'R') {
            checkReadRequest(frame);
        } else if (frame.size() == 20 && frame[0] == 'W' && frame[3] == 0x10) {
            checkWriteBlock(frame);
        } else {
            verdict.fail("sent a frame that is no part of the protocol: " + hex(frame));
        }
    }

    void checkReadRequest(const Bytes& frame) {
        const int address = frame[1] << 8 | frame[2];
        if (engine->PasswordChangePending()) {
            verdict.expect(address == kPasswordAddress && frame[3] == 0x10,
                           "password exchange read " + hex(frame));
            return;
        }
        verdict.expect(engine->LinkMode() == link::LinkMode::Read,
                       "read request " + hex(frame) + " in a write");
        const int expected = kFirstAddress + kReadBlockSize * static_cast<int>(readRequests.size());
        verdict.expect(
            address == expected && frame[3] == kReadBlockSize,
            "read request " + hex(frame) + " where " + hexAddress(expected) + " was next");
        readRequests.push_back(address);
    }

    void checkWriteBlock(const Bytes& frame) {
        const int address = frame[1] << 8 | frame[2];
        const Bytes payload(frame.begin() + 4, frame.end());
        if (engine->PasswordChangePending()) {
            verdict.expect(address == kPasswordAddress, "password exchange wrote " + hex(frame));
            std::string password = passwords.commPassword;
            password.erase(0, password.find_first_not_of(' '));
            password.erase(password.find_last_not_of(' ') + 1);
            Bytes expected(16, 0xFF);
            for (std::size_t i = 0; i < password.size() && i < expected.size(); ++i)
                expected[i] = static_cast<std::uint8_t>(password[i]);
            verdict.expect(payload == expected, "the password block carries " + hex(payload));
            return;
        }
        verdict.expect(engine->LinkMode() == link::LinkMode::Write,
                       "write block " + hex(frame) + " in a read");
        verdict.expect(mayWrite(address, login, debug),
                       "wrote block " + hexAddress(address) + " (login " + std::to_string(login) +
                           ", unlocked " + std::to_string(debug) + ")");
        verdict.expect(writeBlocks.empty() || address > writeBlocks.back(),
                       "wrote block " + hexAddress(address) + " out of order");
        Bytes expected;
        for (int k = 0; k < 16; ++k)
            expected.push_back(
                imageByte(image, static_cast<std::size_t>(address - kFirstAddress + k)));
        verdict.expect(payload == expected,
                       "block " + hexAddress(address) + " is not the image's: " + hex(payload));
        writeBlocks.push_back(address);
    }

    void setTimer1Running(bool running) override { timer1 = running; }
    void setTimer2Running(bool running) override { timer2 = running; }
    void setStatusText(const std::string& text) override {
        verdict.expect(!text.empty(), "an empty status text");
    }
    void setStatusVisible(bool visible) override { statusVisible = visible; }
    void toggleStatusVisible() override { statusVisible = !statusVisible; }
    void showProgress(int maximum) override {
        progressShown = true;
        progressMaximum = maximum;
    }
    void setProgress(int value) override {
        verdict.expect(
            progressShown && value >= 0 && value <= progressMaximum,
            "progress " + std::to_string(value) + " of " + std::to_string(progressMaximum));
    }
    void hideProgress() override { progressShown = false; }
    void setCommandsEnabled(bool enabled) override { commandsEnabled = enabled; }
    void prepareForTransfer() override {}
    void showMessage(const std::string& text, int) override {
        verdict.expect(!text.empty(), "an empty message");
    }
    bool loginMode() override { return login; }
    bool debugUnlocked() override { return debug; }
    std::string commPassword() override { return passwords.commPassword; }
    std::string passwordBoxText() override { return passwords.boxText; }
    std::string encodeImage() override { return image; }

    void decodeImage(const std::string& readData) override {
        ++decodeCalls;
        verdict.expect(readData.size() == kReadDataDigits,
                       "decoded " + std::to_string(readData.size()) + " digits");
        verdict.expect(readData.find_first_not_of("0123456789ABCDEF") == std::string::npos,
                       "decoded text that is not upper-case hex");
    }

    void transferEnded(LinkOutcome outcome) override {
        run.outcomes.push_back(outcome);
        if (outcome == LinkOutcome::ReadSucceeded) {
            verdict.expect(decodeCalls == 1 && readRequests.size() == kReadBlocks,
                           "a read succeeded after " + std::to_string(readRequests.size()) +
                               " requests and " + std::to_string(decodeCalls) + " decodes");
        } else {
            verdict.expect(decodeCalls == 0, "a transfer that read nothing decoded an image");
        }
        if (outcome == LinkOutcome::WriteSucceeded) {
            const std::set<int> sent(writeBlocks.begin(), writeBlocks.end());
            for (int address = kFirstAddress; address < 0x0350; address += 16) {
                verdict.expect(!mustWrite(address) || sent.count(address),
                               "a write succeeded without block " + hexAddress(address));
            }
        }
    }
};

void checkState(const link::LinkEngine& engine, const CheckingHost& host, Verdict& verdict) {
    verdict.expect(engine.RxText().size() <= kRxTextBound,
                   "RxText grew to " + std::to_string(engine.RxText().size()));
    verdict.expect(engine.ReadData().size() <= kReadDataDigits &&
                       engine.ReadData().size() % (2 * kReadBlockSize) == 0,
                   "ReadData holds " + std::to_string(engine.ReadData().size()) + " digits");
    verdict.expect(engine.timer1Running() == host.timer1 && engine.timer2Running() == host.timer2,
                   "the engine and its host disagree about the timers");
    verdict.expect(engine.progress() >= 0 && engine.progress() <= kProgressMaximum,
                   "progress " + std::to_string(engine.progress()));
}

void applyFlags(CheckingHost& host, std::uint8_t flags) {
    host.portOpen = !(flags & FlagPortClosed);
    host.login = flags & FlagLogin;
    host.debug = flags & FlagDebug;
}

}  // namespace

EngineRun runEngineScript(Input input) {
    Verdict verdict;
    InputReader reader(input);
    const std::uint8_t options = reader.byte();

    CheckingHost host(verdict);
    applyFlags(host, options);
    host.image = imageText(options >> kImageKindShift);
    host.passwords = hostPasswords(options >> kPasswordKindShift);
    link::LinkEngine engine(host, options & kOptionEnglish ? Language::English : Language::Chinese);
    host.engine = &engine;

    int started = 0;
    const auto start = [&](bool (link::LinkEngine::*command)()) {
        const bool wasFinished = engine.LinkFinished();
        host.starting = true;
        if (wasFinished) host.beginTransfer();
        const bool began = (engine.*command)();
        host.starting = false;
        verdict.expect(!began || wasFinished, "a transfer started while another ran");
        if (began) ++started;
    };

    while (!reader.empty()) {
        switch (reader.byte() % kEngineOpCount) {
            case OpStartRead:
                start(&link::LinkEngine::startRead);
                break;
            case OpStartWrite:
                start(&link::LinkEngine::startWrite);
                break;
            case OpStartPassword:
                start(&link::LinkEngine::startPasswordTransfer);
                break;
            case OpReceive:
                engine.received(reader.bytes(reader.byte()));
                break;
            case OpBreak:
                engine.breakSeen();
                break;
            case OpTimer1:
                engine.timer1Tick();
                break;
            case OpTimer2:
                engine.timer2Tick();
                break;
            case OpSetFlags:
                applyFlags(host, reader.byte());
                break;
        }
        checkState(engine, host, verdict);
    }

    // The radio falls silent: the time-out and the result display must end
    // whatever was running, with the ticks alone.
    for (int round = 0; round < 100 && (host.timer1 || host.timer2); ++round) {
        if (host.timer2) engine.timer2Tick();
        if (round % 2 == 1 && host.timer1) engine.timer1Tick();
        checkState(engine, host, verdict);
    }
    verdict.expect(!engine.timer1Running() && !engine.timer2Running(),
                   "the timers still run after 100 silent ticks");
    verdict.expect(!engine.busy() && engine.LinkFinished(), "the engine is still busy at the end");
    verdict.expect(host.commandsEnabled, "the commands stay disabled at the end");
    verdict.expect(!host.progressShown, "the progress bar stays at the end");
    verdict.expect(!host.statusVisible, "the status text stays at the end");
    verdict.expect(static_cast<int>(host.run.outcomes.size()) == started,
                   std::to_string(started) + " transfers ended " +
                       std::to_string(host.run.outcomes.size()) + " times");

    host.run.failures = verdict.text();
    return host.run;
}

std::string checkLinkEngine(Input input) {
    return runEngineScript(input).failures;
}

}  // namespace pl63::fuzz
