#include "ui/click_gesture.h"

#include <gtest/gtest.h>

namespace pl63::ui {
namespace {

TEST(CaptionGesture, ThreeCaptionsWithinFiveSecondsInAnyOrderLatch) {
    CaptionGesture gesture;
    EXPECT_FALSE(gesture.click(2, 1000.2));
    EXPECT_FALSE(gesture.click(2, 1001.0));  // the same caption again does no harm
    EXPECT_FALSE(gesture.click(0, 1003.0));
    EXPECT_TRUE(gesture.click(1, 1005.0));   // 5.0 s after the rounded start still counts
    EXPECT_TRUE(gesture.latched());
    // While latched, a click inside the window enters the mode again.
    EXPECT_TRUE(gesture.click(0, 1004.0));
}

TEST(CaptionGesture, ALateClickStartsANewWindowOnItsOwn) {
    CaptionGesture gesture;
    gesture.click(0, 1000.0);
    gesture.click(1, 1002.0);
    EXPECT_FALSE(gesture.click(2, 1006.0));  // 6 s: too late
    EXPECT_TRUE(gesture.flag(2));
    EXPECT_FALSE(gesture.flag(0));
    EXPECT_FALSE(gesture.flag(1));
    EXPECT_EQ(gesture.start(), 1006);
    gesture.click(0, 1007.0);
    EXPECT_TRUE(gesture.click(1, 1010.9));
}

TEST(CaptionGesture, StartIsRoundedSoTheWindowEndsAtTheRoundedSecond) {
    CaptionGesture gesture;
    gesture.click(0, 999.6);  // start 1000
    gesture.click(1, 1004.0);
    EXPECT_FALSE(gesture.click(2, 1005.1));
}

TEST(CaptionGesture, ClearDropsLatchAndFlags) {
    CaptionGesture gesture;
    gesture.click(0, 10.0);
    gesture.click(1, 10.0);
    gesture.click(2, 10.0);
    gesture.clear();
    EXPECT_FALSE(gesture.latched());
    EXPECT_FALSE(gesture.click(0, 11.0));
}

TEST(DoubleClickExit, OnlyTwoClicksUnderASecondApartLeave) {
    DoubleClickExit exit;
    EXPECT_FALSE(exit.click(500.0));
    EXPECT_FALSE(exit.click(501.5));  // 1.5 s: restarts the timing
    EXPECT_EQ(exit.timestamp(), 502);
    EXPECT_TRUE(exit.click(502.4));
    EXPECT_EQ(exit.timestamp(), 0);
    EXPECT_FALSE(exit.click(502.6));  // a third click starts over
}

}  // namespace
}  // namespace pl63::ui
