#include "ui/window_placement.h"

#include <gtest/gtest.h>

namespace pl63::ui {
namespace {

TEST(WindowPlacementTest, CentredOverTheOwnerAndMovedOnlyAsFarAsTheScreenNeeds) {
    const QRect screen(0, 0, 1280, 1024);
    struct Case {
        const char* what;
        QRect owner;
        QSize frame;
        QPoint topLeft;
    };
    const Case cases[] = {
        {"centred", {100, 100, 800, 600}, {400, 300}, {300, 250}},
        {"owner past the right edge", {1000, 100, 800, 600}, {400, 300}, {880, 250}},
        {"owner past the bottom edge", {100, 900, 800, 600}, {400, 300}, {300, 724}},
        {"owner above and left of the screen", {-700, -500, 800, 600}, {400, 300}, {0, 0}},
        {"larger than the screen", {0, 0, 1280, 1024}, {1400, 1100}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect placed = centredOver(c.frame, c.owner, screen);
        EXPECT_EQ(placed.topLeft(), c.topLeft);
        EXPECT_EQ(placed.size(), c.frame);
    }
    // A second screen to the right of the first.
    const QRect right(1280, 0, 1920, 1080);
    EXPECT_EQ(centredOver({400, 300}, {1200, 100, 800, 600}, right).topLeft(), QPoint(1400, 250));
}

}  // namespace
}  // namespace pl63::ui
