#pragma once
// A clock the test moves by hand, for the click gestures.
#include <memory>

#include "ui/app_context.h"
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

// Puts a fake clock into `context` and hands it back for the test to move.
inline FakeClock* installFakeClock(AppContext& context) {
    auto clock = std::make_unique<FakeClock>();
    FakeClock* installed = clock.get();
    context.setClock(std::move(clock));
    return installed;
}

}  // namespace pl63::ui::test
