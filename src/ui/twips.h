#pragma once
// Window sizes are kept in twips (1/1440 inch), the unit the radio software's
// windows were laid out in, and turned into pixels at the screen's DPI so a
// window has the same physical size on every screen.
#include <QGuiApplication>
#include <QScreen>
#include <QSize>
#include <cmath>

namespace pl63::ui {

inline constexpr double kTwipsPerInch = 1440.0;

inline int twipsToPixels(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

// At the primary screen's logical DPI; 96 when there is no screen.
inline int twipsToPixels(int twips) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsToPixels(twips, screen ? screen->logicalDotsPerInch() : 96.0);
}

inline QSize twipsToPixels(int widthTwips, int heightTwips) {
    return {twipsToPixels(widthTwips), twipsToPixels(heightTwips)};
}

}  // namespace pl63::ui
