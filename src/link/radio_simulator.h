#pragma once
// The radio's side of the programming protocol, for tests, the simulated radio
// on a pseudo-terminal and demos. Holds radio memory 0x0010-0x040F and answers
// every frame the PC sends; faults can be injected to exercise the PC side.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pl63::link {

struct RadioFaults {
    bool silent = false;              // never answers anything
    bool wrongIdentity = false;       // identity without the model identifier
    bool strayByteBeforeAck = false;  // one extra byte in front of the first data-phase acknowledge
    // Serves this many data blocks (read or write) and then answers nothing
    // more in the session; the next block is not stored either. -1 off.
    int stallAfterBlock = -1;
    bool wrongEcho = false;  // read replies echo a wrong address
    // A break on the line before the first reply after this many data blocks,
    // once per session. Like a real break it leaves one 0x00 byte in front of
    // that reply, which the PC is expected to drop. -1 off.
    int breakAfterBlock = -1;
    std::size_t chunkSize = 0;  // replies are delivered in chunks of this size, 0 = whole
    // Acknowledges the N-th write block of a session (1 = the first) without
    // storing it, as a radio with a failing memory cell would. -1 off.
    int forgetBlock = -1;
};

// One arrival at the PC: some bytes, possibly preceded by a break on the line.
struct RadioOutput {
    bool breakBefore = false;
    std::vector<std::uint8_t> bytes;
};

class RadioSimulator {
public:
    static constexpr std::uint16_t kBaseAddress = 0x0010;
    static constexpr std::size_t kMemorySize = 0x0400;  // 0x0010-0x040F

    RadioSimulator();

    void setFaults(const RadioFaults& faults) { faults_ = faults; }
    const RadioFaults& faults() const { return faults_; }

    std::array<std::uint8_t, kMemorySize>& memory() { return memory_; }
    const std::array<std::uint8_t, kMemorySize>& memory() const { return memory_; }

    // Bytes from the PC, in whatever pieces they arrive. Returns what the radio
    // sends back, in arrival order.
    // Bytes the radio cannot place in its current state are dropped one at a
    // time, so a frame after line noise is still understood.
    std::vector<RadioOutput> receive(const std::vector<std::uint8_t>& fromPc);

    // Every complete frame the radio has seen, in order.
    const std::vector<std::vector<std::uint8_t>>& framesSeen() const { return framesSeen_; }
    // True once the PC has sent the end frame "E" of a session.
    bool sessionEnded() const { return sessionEnded_; }
    int blocksTransferred() const { return blocks_; }
    // Bytes of a frame not yet complete; never more than the longest frame.
    std::size_t pendingBytes() const { return pending_.size(); }

    // Back to waiting for an opening; forgets the frames seen and any half
    // frame; keeps memory and faults.
    void resetSession();

private:
    // Implementation detail; see radio_simulator.cpp.
    bool takeFrame(std::vector<RadioOutput>& out);
    void reply(std::vector<RadioOutput>& out, std::vector<std::uint8_t> bytes);
    void startSession();
    std::uint8_t readMemory(int address) const;
    void writeMemory(int address, std::uint8_t value);
    std::array<std::uint8_t, kMemorySize> memory_{};
    RadioFaults faults_;
    std::vector<std::uint8_t> pending_;
    std::vector<std::vector<std::uint8_t>> framesSeen_;
    int state_ = 0;
    int blocks_ = 0;
    bool sessionEnded_ = false;
    bool strayDone_ = false;
    bool breakDone_ = false;
    bool stalled_ = false;
};

}  // namespace pl63::link
