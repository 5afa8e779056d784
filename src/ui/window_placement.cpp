#include "ui/window_placement.h"

#include <QScreen>
#include <algorithm>

namespace pl63::ui {
namespace {

// Within `low`..`high`, but never below `low`.
int clampFrom(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

// The window frame's border and title bar: the window's own once it has been
// shown, else the owner's, which the same window manager draws.
QMargins frameMargins(const QWidget* window, const QWidget* owner) {
    const QWidget* measured = window->testAttribute(Qt::WA_WState_Created) &&
                                      window->frameGeometry() != window->geometry()
                                  ? window
                                  : owner;
    const QRect outer = measured->frameGeometry();
    const QRect inner = measured->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace

QRect centredOver(QSize frame, const QRect& owner, const QRect& screen) {
    QRect placed(QPoint(0, 0), frame);
    placed.moveCenter(owner.center());
    placed.moveLeft(clampFrom(placed.left(), screen.left(), screen.right() + 1 - frame.width()));
    placed.moveTop(clampFrom(placed.top(), screen.top(), screen.bottom() + 1 - frame.height()));
    return placed;
}

void placeOver(QWidget* window, const QWidget* owner) {
    if (!window || !owner) return;
    // A window not shown yet has no size of its own unless it is fixed.
    const QSize size = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    const QMargins margins = frameMargins(window, owner);
    const QSize frame = size.grownBy(margins);
    const QScreen* screen = owner->screen();
    const QRect area = screen ? screen->availableGeometry() : owner->frameGeometry();
    const QRect placed = centredOver(frame, owner->frameGeometry(), area);
    // move() places a window's frame, not its inside.
    window->move(placed.topLeft());
}

}  // namespace pl63::ui
