#pragma once
// Escape in a window does what its Cancel button (or, without one, its close
// box) does, as it does in every dialog: the key reaches the window when the
// control that has the focus does not use it itself (an open list, an editor
// in a table), just as a dialog's Escape does.
#include <QWidget>
#include <functional>

namespace pl63::ui {

void cancelOnEscape(QWidget* window, std::function<void()> cancel);

}  // namespace pl63::ui
