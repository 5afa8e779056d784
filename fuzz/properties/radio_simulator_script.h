#pragma once
// The fuzz input of the simulated radio target: four option bytes for the
// faults, then pieces of PC bytes, each a length byte followed by that many
// bytes; a length of 0 resets the session instead. Seeds are written with
// SimulatorScript from what the link engine sends.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "link/radio_simulator.h"

namespace pl63::fuzz {

// Options byte 0.
enum SimulatorFaultFlag : std::uint8_t {
    FaultSilent = 0x01,
    FaultWrongIdentity = 0x02,
    FaultStrayByte = 0x04,
    FaultWrongEcho = 0x08,
};
// Options bytes 1 and 2 (stall, break): 0xFF is off, else a block count mod 20.
// Options byte 3: reply chunk size mod 70 (0 whole).
constexpr std::uint8_t kFaultOff = 0xFF;

inline link::RadioFaults simulatorFaults(std::uint8_t flags, std::uint8_t stall, std::uint8_t brk,
                                         std::uint8_t chunk) {
    link::RadioFaults faults;
    faults.silent = flags & FaultSilent;
    faults.wrongIdentity = flags & FaultWrongIdentity;
    faults.strayByteBeforeAck = flags & FaultStrayByte;
    faults.wrongEcho = flags & FaultWrongEcho;
    faults.stallAfterBlock = stall == kFaultOff ? -1 : stall % 20;
    faults.breakAfterBlock = brk == kFaultOff ? -1 : brk % 20;
    faults.chunkSize = chunk % 70;
    return faults;
}

class SimulatorScript {
public:
    SimulatorScript(std::uint8_t flags = 0, std::uint8_t stall = kFaultOff,
                    std::uint8_t brk = kFaultOff, std::uint8_t chunk = 0)
        : bytes_{flags, stall, brk, chunk} {}

    void send(const std::vector<std::uint8_t>& pcBytes) {
        for (std::size_t at = 0; at < pcBytes.size(); at += 255) {
            const std::size_t count = std::min<std::size_t>(255, pcBytes.size() - at);
            bytes_.push_back(static_cast<std::uint8_t>(count));
            bytes_.insert(bytes_.end(), pcBytes.begin() + static_cast<std::ptrdiff_t>(at),
                          pcBytes.begin() + static_cast<std::ptrdiff_t>(at + count));
        }
    }
    void resetSession() { bytes_.push_back(0); }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// The memory the simulated radio starts from in the fuzz target and its
// seeds: every byte differs from its neighbours and from 0xFF.
inline void fillSimulatorPattern(link::RadioSimulator& radio) {
    for (std::size_t i = 0; i < radio.memory().size(); ++i)
        radio.memory()[i] = static_cast<std::uint8_t>((i * 31 + 7) % 251);
}

}  // namespace pl63::fuzz
