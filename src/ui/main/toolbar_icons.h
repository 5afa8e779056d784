#pragma once
// Toolbar1's pictures, drawn here so the program needs no image files and
// looks the same on every platform.
#include <QIcon>
#include <QString>

namespace pl63::ui {

// The picture of the button with `key` ("new", "open", "save", "read",
// "write", "TAnMa", "Login"); a null icon for any other key.
QIcon toolbarIcon(const QString& key);

}  // namespace pl63::ui
