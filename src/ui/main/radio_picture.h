#pragma once
// Our own picture of a hand-held radio, drawn rather than loaded, for the
// About box and the program's window icon.
#include <QPixmap>

namespace pl63::ui {

// The radio upright, `height` pixels tall, on a transparent background.
QPixmap radioPicture(int height);

}  // namespace pl63::ui
