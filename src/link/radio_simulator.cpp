#include "link/radio_simulator.h"

#include <algorithm>

#include "link/link_frames.h"

namespace pl63::link {

namespace {

// Where the radio stands in a session; it decides how the next PC bytes parse.
constexpr int kWaitingForOpening = 0;
constexpr int kWaitingForProceed = 1;
constexpr int kWaitingForIdentityAck = 2;
constexpr int kWaitingForRequest = 3;
constexpr int kWaitingForBlockAck = 4;

using frames::kAck;
using frames::kEnd;
using frames::kPasswordOpening;
using frames::kProceed;
using frames::kProgrammingOpening;
constexpr std::uint8_t kRead = frames::kReadRequest;
constexpr std::uint8_t kWrite = frames::kWriteBlock;
constexpr std::size_t kHeaderSize = 4;  // command, address high, address low, length
const std::vector<std::uint8_t> kIdentity = {'P', '3', 'K', 'V', '9', '1', '4', 0x00};
const std::vector<std::uint8_t> kForeignIdentity = {'P', '3', 'K', 'V', '9', '1', '5', 0x00};

}  // namespace

RadioSimulator::RadioSimulator() {
    memory_.fill(0xFF);
}

void RadioSimulator::resetSession() {
    pending_.clear();
    framesSeen_.clear();
    state_ = kWaitingForOpening;
    sessionEnded_ = false;
    startSession();
}

void RadioSimulator::startSession() {
    blocks_ = 0;
    strayDone_ = false;
    breakDone_ = false;
    stalled_ = false;
    sessionEnded_ = false;
}

std::uint8_t RadioSimulator::readMemory(int address) const {
    const int index = address - kBaseAddress;
    if (index < 0 || index >= static_cast<int>(kMemorySize)) return 0xFF;
    return memory_[static_cast<std::size_t>(index)];
}

void RadioSimulator::writeMemory(int address, std::uint8_t value) {
    const int index = address - kBaseAddress;
    if (index < 0 || index >= static_cast<int>(kMemorySize)) return;
    memory_[static_cast<std::size_t>(index)] = value;
}

std::vector<RadioOutput> RadioSimulator::receive(const std::vector<std::uint8_t>& fromPc) {
    pending_.insert(pending_.end(), fromPc.begin(), fromPc.end());
    std::vector<RadioOutput> out;
    while (takeFrame(out)) {
    }
    return out;
}

void RadioSimulator::reply(std::vector<RadioOutput>& out, std::vector<std::uint8_t> bytes) {
    if (faults_.silent || stalled_) return;
    bool withBreak = false;
    if (faults_.breakAfterBlock >= 0 && !breakDone_ && blocks_ >= faults_.breakAfterBlock) {
        breakDone_ = true;
        withBreak = true;
        bytes.insert(bytes.begin(), 0x00);
    }
    const std::size_t chunk = faults_.chunkSize == 0 ? bytes.size() : faults_.chunkSize;
    for (std::size_t at = 0; at < bytes.size(); at += chunk) {
        const std::size_t end = std::min(bytes.size(), at + chunk);
        out.push_back(
            {withBreak && at == 0,
             std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                       bytes.begin() + static_cast<std::ptrdiff_t>(end))});
    }
}

// Takes one frame (or one unplaceable byte) off the front of what the PC sent.
// Returns false when the front is an incomplete frame that needs more bytes.
bool RadioSimulator::takeFrame(std::vector<RadioOutput>& out) {
    if (pending_.empty()) return false;
    const auto take = [this](std::size_t size) {
        std::vector<std::uint8_t> frame(pending_.begin(),
                                        pending_.begin() + static_cast<std::ptrdiff_t>(size));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(size));
        framesSeen_.push_back(frame);
        return frame;
    };

    if (state_ == kWaitingForOpening) {
        for (const auto* opening : {&kProgrammingOpening, &kPasswordOpening}) {
            const std::size_t n = std::min(pending_.size(), opening->size());
            if (!std::equal(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n),
                            opening->begin()))
                continue;
            if (n < opening->size()) return false;
            take(n);
            startSession();
            state_ = kWaitingForProceed;
            reply(out, {kAck});
            return true;
        }
        pending_.erase(pending_.begin());
        return true;
    }

    const std::uint8_t first = pending_.front();
    if (first == kEnd) {
        take(1);
        sessionEnded_ = true;
        state_ = kWaitingForOpening;
        return true;
    }
    if (state_ == kWaitingForProceed && first == kProceed) {
        take(1);
        state_ = kWaitingForIdentityAck;
        reply(out, faults_.wrongIdentity ? kForeignIdentity : kIdentity);
        return true;
    }
    if (state_ == kWaitingForIdentityAck && first == kAck) {
        take(1);
        state_ = kWaitingForRequest;
        if (faults_.strayByteBeforeAck && !strayDone_) {
            strayDone_ = true;
            reply(out, {0x00, kAck});
        } else {
            reply(out, {kAck});
        }
        return true;
    }
    if (state_ == kWaitingForBlockAck && first == kAck) {
        take(1);
        state_ = kWaitingForRequest;
        reply(out, {kAck});
        return true;
    }
    if (state_ == kWaitingForRequest && (first == kRead || first == kWrite)) {
        if (pending_.size() < kHeaderSize) return false;
        const std::size_t length = pending_[3];
        const std::size_t frameSize = first == kWrite ? kHeaderSize + length : kHeaderSize;
        if (pending_.size() < frameSize) return false;
        const std::vector<std::uint8_t> frame = take(frameSize);
        if (faults_.stallAfterBlock >= 0 && blocks_ >= faults_.stallAfterBlock) stalled_ = true;
        if (stalled_) return true;

        const int address = frame[1] << 8 | frame[2];
        if (first == kWrite) {
            if (faults_.forgetBlock != blocks_ + 1) {
                for (std::size_t i = 0; i < length; ++i)
                    writeMemory(address + static_cast<int>(i), frame[kHeaderSize + i]);
            }
            ++blocks_;
            reply(out, {kAck});
        } else {
            const int echoed = faults_.wrongEcho ? address + 1 : address;
            std::vector<std::uint8_t> block = {
                kWrite, static_cast<std::uint8_t>(echoed >> 8 & 0xFF),
                static_cast<std::uint8_t>(echoed & 0xFF), static_cast<std::uint8_t>(length)};
            for (std::size_t i = 0; i < length; ++i)
                block.push_back(readMemory(address + static_cast<int>(i)));
            reply(out, std::move(block));
            ++blocks_;
            state_ = kWaitingForBlockAck;
        }
        return true;
    }
    // Nothing this state expects starts here: drop it as line noise.
    pending_.erase(pending_.begin());
    return true;
}

}  // namespace pl63::link
