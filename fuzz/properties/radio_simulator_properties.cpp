#include "fuzz_properties.h"
#include "link/radio_simulator.h"
#include "radio_simulator_script.h"

namespace pl63::fuzz {
namespace {

using link::RadioSimulator;

constexpr std::size_t kHeaderSize = 4;
constexpr std::size_t kLongestFrame = kHeaderSize + 255;      // a write block of length 255
constexpr std::size_t kLongestReply = 1 + kHeaderSize + 255;  // a break byte and a read reply
constexpr std::uint8_t kWrite = 'W';

bool isOpening(const std::vector<std::uint8_t>& frame) {
    static const std::vector<std::uint8_t> kProgramming = {'R', 'M', '-', 'P', 'R', 'O', 'G'};
    static const std::vector<std::uint8_t> kPassword = {0x02, 'p', 'r', 'o', 'g', 'r', 'a', 'm'};
    return frame == kProgramming || frame == kPassword;
}

// True when a write block among `frames` (from `from` on) covers memory index
// `index` with `value`. Not necessarily the last one: a block the radio took
// while stalled is seen but not stored.
bool writtenBySomeBlock(const std::vector<std::vector<std::uint8_t>>& frames, std::size_t from,
                        std::size_t index, std::uint8_t value) {
    const int address = static_cast<int>(index) + RadioSimulator::kBaseAddress;
    for (std::size_t f = from; f < frames.size(); ++f) {
        const auto& frame = frames[f];
        if (frame.size() < kHeaderSize || frame[0] != kWrite) continue;
        const int start = frame[1] << 8 | frame[2];
        const int length = frame[3];
        if (frame.size() != kHeaderSize + static_cast<std::size_t>(length)) continue;
        if (address >= start && address < start + length &&
            frame[kHeaderSize + static_cast<std::size_t>(address - start)] == value) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string checkRadioSimulator(Input input) {
    Verdict verdict;
    InputReader reader(input);
    const std::uint8_t flags = reader.byte();
    const std::uint8_t stall = reader.byte();
    const std::uint8_t brk = reader.byte();
    const std::uint8_t chunk = reader.byte();
    const link::RadioFaults faults = simulatorFaults(flags, stall, brk, chunk);

    RadioSimulator radio;
    fillSimulatorPattern(radio);
    radio.setFaults(faults);
    int breaksThisSession = 0;

    while (!reader.empty()) {
        const std::uint8_t length = reader.byte();
        if (length == 0) {
            radio.resetSession();
            verdict.expect(radio.framesSeen().empty() && radio.pendingBytes() == 0,
                           "a reset session kept frames or bytes");
            breaksThisSession = 0;
            continue;
        }
        const std::vector<std::uint8_t> fromPc = reader.bytes(length);
        const auto memoryBefore = radio.memory();
        const std::size_t pendingBefore = radio.pendingBytes();
        const std::size_t framesBefore = radio.framesSeen().size();

        const std::vector<link::RadioOutput> outputs = radio.receive(fromPc);

        const auto& frames = radio.framesSeen();
        std::size_t frameBytes = 0;
        int openings = 0;
        for (std::size_t f = framesBefore; f < frames.size(); ++f) {
            verdict.expect(frames[f].size() <= kLongestFrame,
                           "took a frame of " + std::to_string(frames[f].size()) + " bytes");
            frameBytes += frames[f].size();
            if (isOpening(frames[f])) ++openings;
        }
        const std::size_t newFrames = frames.size() - framesBefore;
        verdict.expect(frameBytes + radio.pendingBytes() <= pendingBefore + fromPc.size(),
                       "holds more bytes than it was sent");
        verdict.expect(radio.pendingBytes() < kLongestFrame,
                       "keeps " + std::to_string(radio.pendingBytes()) + " bytes of a frame");

        std::size_t replyBytes = 0;
        int breaks = 0;
        for (const link::RadioOutput& output : outputs) {
            verdict.expect(!output.bytes.empty(), "an empty reply");
            verdict.expect(output.bytes.size() <= kLongestReply &&
                               (faults.chunkSize == 0 || output.bytes.size() <= faults.chunkSize),
                           "a reply piece of " + std::to_string(output.bytes.size()) + " bytes");
            replyBytes += output.bytes.size();
            if (output.breakBefore) {
                verdict.expect(faults.breakAfterBlock >= 0, "a break nobody asked for");
                ++breaks;
            }
        }
        verdict.expect(!faults.silent || outputs.empty(), "a silent radio answered");
        verdict.expect(replyBytes <= newFrames * (kLongestReply + 1),
                       std::to_string(replyBytes) + " reply bytes for " +
                           std::to_string(newFrames) + " frames");
        // Once per session: every opening in this piece may start one with its own break.
        if (openings == 0) {
            breaksThisSession += breaks;
            verdict.expect(breaksThisSession <= 1, "more than one break in a session");
        } else {
            verdict.expect(breaks <= openings + 1, "more than one break in a session");
            breaksThisSession = 0;
        }

        for (std::size_t i = 0; i < RadioSimulator::kMemorySize; ++i) {
            if (radio.memory()[i] == memoryBefore[i]) continue;
            verdict.expect(writtenBySomeBlock(frames, framesBefore, i, radio.memory()[i]),
                           "memory at index " + std::to_string(i) +
                               " changed without a write block saying so");
        }
    }
    return verdict.text();
}

}  // namespace pl63::fuzz
