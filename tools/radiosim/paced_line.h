#pragma once
// A 9600-baud line in both directions over a pseudo-terminal that itself has
// no speed: every byte takes ten bit times (start, 8 data, stop), so a byte
// the PC wrote counts as arrived only once its last bit would have, and a
// reply byte is handed to the PC only when it would have crossed the wire.
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace pl63::radiosim {

class PacedLine {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kByteTime = std::chrono::nanoseconds(1'041'667);
    static constexpr std::size_t kInputBuffer = 4096;

    // Bytes read from the PC side at `now`; they follow whatever is still
    // on its way in.
    void fromPc(const std::uint8_t* bytes, std::size_t count, Clock::time_point now);
    // The PC bytes that have fully arrived by `now`, and when the last of them did.
    std::vector<std::uint8_t> takeArrived(Clock::time_point now, Clock::time_point& lastArrival);

    // Reply bytes the radio starts to send at `start`, after anything still
    // being sent.
    void toPc(const std::vector<std::uint8_t>& bytes, Clock::time_point start);
    // The reply bytes that have crossed the wire by `now`.
    std::vector<std::uint8_t> takeDue(Clock::time_point now);
    // Bytes the port did not take yet go back to the front, still due.
    void putBack(const std::vector<std::uint8_t>& bytes, std::size_t from);
    void dropOutgoing() { outgoing_.clear(); }

    bool incomingPending() const { return !incoming_.empty(); }
    bool outgoingPending() const { return !outgoing_.empty(); }
    // How many more PC bytes the line takes now. A PC's serial driver holds a
    // few kilobytes ahead of the wire and makes a faster writer wait; without
    // this bound a flood would queue hours of line time.
    std::size_t incomingRoom() const {
        return incoming_.size() < kInputBuffer ? kInputBuffer - incoming_.size() : 0;
    }
    // The earliest moment something is due in either direction.
    std::optional<Clock::time_point> nextEvent() const;

private:
    struct Timed {
        Clock::time_point at;
        std::uint8_t byte;
    };
    std::deque<Timed> incoming_;
    std::deque<Timed> outgoing_;
    Clock::time_point lastIncoming_{};
    Clock::time_point lastOutgoing_{};
};

}  // namespace pl63::radiosim
