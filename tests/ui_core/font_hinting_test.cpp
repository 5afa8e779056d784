#include "ui/font_hinting.h"

#include <gtest/gtest.h>

#if PL63_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <string>

namespace pl63::ui {
namespace {

constexpr int kNoStyle = -1;

int hintStyleOf(FcPattern* pattern) {
    int style = kNoStyle;
    FcPatternGetInteger(pattern, FC_HINT_STYLE, 0, &style);
    return style;
}

// The hint style fontconfig gives a font of these properties once the font's
// own rules have run.
int styleAfterFontRules(bool hinting) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddBool(pattern, FC_HINTING, hinting ? FcTrue : FcFalse);
    FcPatternAddInteger(pattern, FC_HINT_STYLE, FC_HINT_SLIGHT);
    FcConfigSubstitute(nullptr, pattern, FcMatchFont);
    const int style = hintStyleOf(pattern);
    FcPatternDestroy(pattern);
    return style;
}

struct Matched {
    std::string family;
    int hintStyle = kNoStyle;
};

// What Qt is told about a family, found the way Qt finds it.
Matched match(const char* family, double pixelSize) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* font = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    Matched matched;
    if (!font) return matched;
    FcChar8* name = nullptr;
    if (FcPatternGetString(font, FC_FAMILY, 0, &name) == FcResultMatch)
        matched.family = reinterpret_cast<const char*>(name);
    matched.hintStyle = hintStyleOf(font);
    FcPatternDestroy(font);
    return matched;
}

TEST(FontHinting, OnlyAFontMarkedUnhintedLosesItsHintStyle) {
    ASSERT_TRUE(drawUnhintedFontsUnhinted());
    EXPECT_TRUE(drawUnhintedFontsUnhinted()) << "a second call finds the rule in place";
    EXPECT_EQ(styleAfterFontRules(false), FC_HINT_NONE);
    EXPECT_EQ(styleAfterFontRules(true), FC_HINT_SLIGHT);
}

TEST(FontHinting, TheRuleComesAfterTheFontsOwnConfiguration) {
    // Debian's Chinese font marks itself unhinted in a rule of its own; the
    // added rule must see that mark, and leave the hinted Latin font alone.
    ASSERT_TRUE(drawUnhintedFontsUnhinted());
    const Matched chinese = match("WenQuanYi Micro Hei", 12);
    if (chinese.family != "WenQuanYi Micro Hei") GTEST_SKIP() << "fonts-wqy-microhei missing";
    EXPECT_EQ(chinese.hintStyle, FC_HINT_NONE);
    const Matched latin = match("DejaVu Sans", 12);
    if (latin.family != "DejaVu Sans") GTEST_SKIP() << "fonts-dejavu-core missing";
    EXPECT_NE(latin.hintStyle, FC_HINT_NONE);
}

}  // namespace
}  // namespace pl63::ui
#else
TEST(FontHinting, WithoutFontconfigNothingIsAdded) {
    EXPECT_FALSE(pl63::ui::drawUnhintedFontsUnhinted());
}
#endif
