#include "paced_line.h"

#include <algorithm>

namespace pl63::radiosim {

void PacedLine::fromPc(const std::uint8_t* bytes, std::size_t count, Clock::time_point now) {
    for (std::size_t i = 0; i < count; ++i) {
        lastIncoming_ = std::max(lastIncoming_, now) + kByteTime;
        incoming_.push_back({lastIncoming_, bytes[i]});
    }
}

std::vector<std::uint8_t> PacedLine::takeArrived(Clock::time_point now,
                                                 Clock::time_point& lastArrival) {
    std::vector<std::uint8_t> bytes;
    while (!incoming_.empty() && incoming_.front().at <= now) {
        lastArrival = incoming_.front().at;
        bytes.push_back(incoming_.front().byte);
        incoming_.pop_front();
    }
    return bytes;
}

void PacedLine::toPc(const std::vector<std::uint8_t>& bytes, Clock::time_point start) {
    for (std::uint8_t byte : bytes) {
        lastOutgoing_ = std::max(lastOutgoing_, start) + kByteTime;
        outgoing_.push_back({lastOutgoing_, byte});
    }
}

std::vector<std::uint8_t> PacedLine::takeDue(Clock::time_point now) {
    std::vector<std::uint8_t> bytes;
    while (!outgoing_.empty() && outgoing_.front().at <= now) {
        bytes.push_back(outgoing_.front().byte);
        outgoing_.pop_front();
    }
    return bytes;
}

void PacedLine::putBack(const std::vector<std::uint8_t>& bytes, std::size_t from) {
    for (std::size_t i = bytes.size(); i > from; --i) {
        outgoing_.push_front({Clock::time_point{}, bytes[i - 1]});
    }
}

std::optional<PacedLine::Clock::time_point> PacedLine::nextEvent() const {
    std::optional<Clock::time_point> next;
    if (!incoming_.empty()) next = incoming_.front().at;
    if (!outgoing_.empty() && (!next || outgoing_.front().at < *next)) next = outgoing_.front().at;
    return next;
}

}  // namespace pl63::radiosim
