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
    bool silent = false;            // never answers anything
    bool wrongIdentity = false;     // identity without the model identifier
    bool strayByteBeforeAck = false;  // one extra byte in front of the first data-phase acknowledge
    int stallAfterBlock = -1;       // stops answering after this many data blocks (read or write), -1 off
    bool wrongEcho = false;         // read replies echo a wrong address
    int breakAfterBlock = -1;       // a break before the reply following this many data blocks, -1 off
    std::size_t chunkSize = 0;      // replies are delivered in chunks of this size, 0 = whole
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
    std::vector<RadioOutput> receive(const std::vector<std::uint8_t>& fromPc);

    // Every complete frame the radio has seen, in order.
    const std::vector<std::vector<std::uint8_t>>& framesSeen() const { return framesSeen_; }
    // True once the PC has sent the end frame "E" of a session.
    bool sessionEnded() const { return sessionEnded_; }
    int blocksTransferred() const { return blocks_; }

    void resetSession();

private:
    // Implementation detail; see radio_simulator.cpp.
    std::array<std::uint8_t, kMemorySize> memory_{};
    RadioFaults faults_;
    std::vector<std::uint8_t> pending_;
    std::vector<std::vector<std::uint8_t>> framesSeen_;
    int state_ = 0;
    int blocks_ = 0;
    bool sessionEnded_ = false;
    bool strayDone_ = false;
};

}  // namespace pl63::link
