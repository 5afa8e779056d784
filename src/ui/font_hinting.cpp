#include "ui/font_hinting.h"

#if PL63_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace pl63::ui {

#if PL63_HAVE_FONTCONFIG
namespace {

// Appended after the system's rules, so it sees the "hinting false" that a
// font's own configuration file (65-wqy-microhei.conf, for one) has set.
constexpr const char* kUnhintedMeansNoHintStyle = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="font">
    <test name="hinting"><bool>false</bool></test>
    <edit name="hintstyle" mode="assign"><const>hintnone</const></edit>
  </match>
</fontconfig>
)";

}  // namespace

bool drawUnhintedFontsUnhinted() {
    static const bool added = [] {
        // FcInit loads the system configuration; Qt's own FcInit later finds
        // it done and works on the same configuration, rule included.
        if (!FcInit()) return false;
        FcConfig* config = FcConfigGetCurrent();
        return config && FcConfigParseAndLoadFromMemory(
                             config, reinterpret_cast<const FcChar8*>(kUnhintedMeansNoHintStyle),
                             FcFalse) == FcTrue;
    }();
    return added;
}
#else
bool drawUnhintedFontsUnhinted() { return false; }
#endif

}  // namespace pl63::ui
