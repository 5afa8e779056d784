#pragma once
// A clock the test moves by hand, for the click gestures.
#include "ui/clock.h"

namespace pl63::ui::test {

class FakeClock : public Clock {
public:
    explicit FakeClock(double start = 36000.0) : now_(start) {}
    double secondsSinceMidnight() const override { return now_; }
    void set(double seconds) { now_ = seconds; }
    void advance(double seconds) { now_ += seconds; }

private:
    double now_;
};

}  // namespace pl63::ui::test
