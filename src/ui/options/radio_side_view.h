#pragma once
// The side view of the radio next to the key lists of Form6: drawn here, with
// the upper (PF1) or lower (PF2) side key marked by a red dot.
#include <QPixmap>
#include <QSize>

namespace pl63::ui {

enum class SideKey { Pf1, Pf2 };

// The size of the picture area.
inline constexpr QSize kSideViewSize{113, 257};

// kSideViewSize pixels.
QPixmap radioSideView(SideKey marked);

}  // namespace pl63::ui
