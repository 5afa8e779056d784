#pragma once
// Our own picture of a hand-held radio, drawn rather than loaded, for the
// About box and the program's window icon.
#include <QPixmap>
#include <QSize>

namespace pl63::ui {

// The radio upright, `height` pixels tall, on a transparent background.
QPixmap radioPicture(int height);
inline QSize radioPictureSize(int height) {
    return {height / 2, height};
}

}  // namespace pl63::ui
