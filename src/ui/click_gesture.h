#pragma once
// The click gestures of the two hidden modes. Entering: three designated
// captions clicked, in any order, within five seconds of the first. Leaving:
// a toolbar button clicked twice within less than a second. Pure logic over
// the time of day (seconds since midnight, with fraction) handed in, so the
// windows stay thin and the tests need no clock.
#include <array>

namespace pl63::ui {

class CaptionGesture {
public:
    // A click on caption 0, 1 or 2 at time `now`. Returns true when the mode
    // is to be (re-)entered: all three flags are set within the window, now
    // or by earlier clicks while the latch holds.
    bool click(int caption, double now);
    // The mode was left: latch and flags cleared.
    void clear();

    bool latched() const { return latched_; }
    bool flag(int caption) const { return flags_[caption]; }
    long start() const { return start_; }

private:
    std::array<bool, 3> flags_{};
    long start_ = 0;  // whole seconds since midnight
    bool latched_ = false;
};

class DoubleClickExit {
public:
    // A click at `now`; true on the second of two clicks less than a second
    // apart (the timestamp is then reset).
    bool click(double now);
    long timestamp() const { return timestamp_; }

private:
    long timestamp_ = 0;  // whole seconds since midnight; 0 = none
};

}  // namespace pl63::ui
