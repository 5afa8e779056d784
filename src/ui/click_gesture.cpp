#include "ui/click_gesture.h"

#include <cmath>

namespace pl63::ui {
namespace {

// The gestures keep whole seconds but compare them with the exact time.
long wholeSeconds(double now) { return std::lround(now); }

}  // namespace

bool CaptionGesture::click(int caption, double now) {
    if (caption < 0 || caption > 2) return false;
    if (!flags_[0] && !flags_[1] && !flags_[2]) start_ = wholeSeconds(now);
    if (now - static_cast<double>(start_) <= 5.0) {
        flags_[caption] = true;
        if (flags_[0] && flags_[1] && flags_[2]) latched_ = true;
        return latched_;
    }
    // Too late: this click starts a new window on its own.
    flags_ = {};
    flags_[caption] = true;
    start_ = wholeSeconds(now);
    return false;
}

void CaptionGesture::clear() {
    flags_ = {};
    latched_ = false;
}

bool DoubleClickExit::click(double now) {
    if (timestamp_ == 0 || now - static_cast<double>(timestamp_) >= 1.0) {
        timestamp_ = wholeSeconds(now);
        return false;
    }
    timestamp_ = 0;
    return true;
}

}  // namespace pl63::ui
