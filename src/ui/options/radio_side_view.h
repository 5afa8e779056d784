#pragma once
// The side view of the radio next to the key lists of Form6: drawn here, with
// the upper (PF1) or lower (PF2) side key marked by a red dot.
#include <QPixmap>

namespace pl63::ui {

enum class SideKey { Pf1, Pf2 };

// 113 x 257 pixels, the size of the picture area.
QPixmap radioSideView(SideKey marked);

}  // namespace pl63::ui
