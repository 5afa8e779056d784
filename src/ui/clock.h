#pragma once
// The time of day for the click gestures. Windows take it from here so that
// tests can move time forward without sleeping.
namespace pl63::ui {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with their fraction.
    virtual double secondsSinceMidnight() const = 0;
};

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() const override;
};

}  // namespace pl63::ui
