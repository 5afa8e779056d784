#pragma once
// Where a secondary window (an option window, the port window, About) opens:
// centred over the main window and wholly on the screen that shows it.
#include <QRect>
#include <QSize>
#include <QWidget>

namespace pl63::ui {

// The frame rectangle of a window of `frame` size centred over `owner` (a
// frame rectangle), moved just far enough to lie within `screen` (its
// available area). A window larger than the screen keeps its top-left corner
// on it, so its title bar can still be reached.
QRect centredOver(QSize frame, const QRect& owner, const QRect& screen);

// Moves `window`, hidden, to open centred over `owner`.
void placeOver(QWidget* window, const QWidget* owner);

}  // namespace pl63::ui
