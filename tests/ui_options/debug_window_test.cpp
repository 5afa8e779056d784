// Form2: the tuning sliders, locked until TuneMode is entered through the
// Optional functions window's captions and locked again when it is left.
#include "ui/options/debug_window.h"

#include <QPushButton>
#include <QSlider>
#include <memory>

#include "codec/layout.h"
#include "i18n/language_flag.h"
#include "i18n/qt/captions.h"
#include "optional_functions_fixture.h"
#include "ui/options/optional_functions_window.h"
#include "ui/twips.h"

namespace pl63::ui::test {
namespace {

class DebugWindowTest : public OptionWindowTest {
protected:
    void SetUp() override {
        OptionWindowTest::SetUp();
        window = std::make_unique<DebugWindow>(context, nullptr);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QSlider* slider(const char* name) { return child<QSlider>(window.get(), name); }
    QString label(const char* name) { return child<QLabel>(window.get(), name)->text(); }
    void pressOk() {
        QTest::mouseClick(child<QPushButton>(window.get(), "Command1"), Qt::LeftButton);
    }

    void enterTuneModeThroughForm5() {
        OptionalFunctionsWindow form5(context, nullptr);
        form5.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form5));
        for (const char* caption : {"Label11", "Label15", "Label4"})
            QTest::mouseClick(child<QLabel>(&form5, caption), Qt::LeftButton);
        ASSERT_TRUE(context.state.TuneMode());
    }

    // What the main window's "TAnMa" button does.
    void leaveTuneMode() {
        context.state.setTuneMode(false);
        context.state.tuneGesture.clear();
        context.state.DebugUnlocked = false;
    }

    std::unique_ptr<DebugWindow> window;
};

TEST_F(DebugWindowTest, StartsWithTheStartUpValuesAndLockedSliders) {
    EXPECT_EQ(window->windowTitle(), "Debug");
    EXPECT_EQ(label("Lblpower1"), "208");
    EXPECT_EQ(label("Lblpower3"), "92");
    EXPECT_FALSE(slider("Slider1")->isEnabled());
    EXPECT_FALSE(slider("Slider3")->isEnabled());
    QTest::keyClick(slider("Slider1"), Qt::Key_End);
    EXPECT_EQ(slider("Slider1")->value(), 208);
    EXPECT_EQ(window->size(), twipsToPixels(5475, 3630));
}

// A window made later follows DebugUnlocked, not TuneMode: a decode in
// TuneMode has cleared it, and the tuning values are not sent then.
TEST_F(DebugWindowTest, AWindowMadeLaterFollowsDebugUnlocked) {
    const std::pair<bool, bool> cases[] = {{true, false}, {false, true}};
    for (const auto& [tuneMode, debugUnlocked] : cases) {
        context.state.setTuneMode(tuneMode);
        context.state.DebugUnlocked = debugUnlocked;
        DebugWindow later(context, nullptr);
        EXPECT_EQ(child<QSlider>(&later, "Slider1")->isEnabled(), debugUnlocked) << tuneMode;
        EXPECT_EQ(child<QSlider>(&later, "Slider3")->isEnabled(), debugUnlocked) << tuneMode;
    }
}

TEST_F(DebugWindowTest, TheGestureUnlocksTheSlidersAndOkStoresWhatTheyShow) {
    enterTuneModeThroughForm5();
    ASSERT_TRUE(slider("Slider1")->isEnabled());
    ASSERT_TRUE(slider("Slider3")->isEnabled());

    QTest::keyClick(slider("Slider1"), Qt::Key_End);
    EXPECT_EQ(label("Lblpower1"), "255");
    QTest::keyClick(slider("Slider3"), Qt::Key_Right);   // small step
    QTest::keyClick(slider("Slider3"), Qt::Key_PageUp);  // large step
    EXPECT_EQ(label("Lblpower3"), "98");
    EXPECT_EQ(context.codeplug.TxHighPowerTune, 208) << "nothing is written before OK";

    pressOk();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(context.codeplug.TxHighPowerTune, 255);
    EXPECT_EQ(context.codeplug.TxLowPowerTune, 98);
    const MemoryImage image = encoded();
    EXPECT_EQ(image.at(layout::kTxHighPowerTune), 0xFF);
    EXPECT_EQ(image.at(layout::kTxLowPowerTune), 98);
}

TEST_F(DebugWindowTest, LeavingTuneModeLocksAgainAndOkStillWritesTheShownValues) {
    enterTuneModeThroughForm5();
    QTest::keyClick(slider("Slider3"), Qt::Key_Home);
    leaveTuneMode();
    EXPECT_FALSE(slider("Slider1")->isEnabled());
    EXPECT_FALSE(slider("Slider3")->isEnabled());
    QTest::keyClick(slider("Slider3"), Qt::Key_End);
    EXPECT_EQ(label("Lblpower3"), "0");
    pressOk();
    EXPECT_EQ(context.codeplug.TxLowPowerTune, 0);
    EXPECT_EQ(context.codeplug.TxHighPowerTune, 208);
}

TEST_F(DebugWindowTest, DecodeImageMovesTheSlidersButLeavesThemUnlocked) {
    enterTuneModeThroughForm5();
    Codeplug source;
    source.TxHighPowerTune = 17;
    source.TxLowPowerTune = 240;
    openAsDat(source);
    EXPECT_EQ(slider("Slider1")->value(), 17);
    EXPECT_EQ(label("Lblpower1"), "17");
    EXPECT_EQ(label("Lblpower3"), "240");
    EXPECT_FALSE(context.state.DebugUnlocked);
    EXPECT_TRUE(slider("Slider1")->isEnabled());
    // OK on the decoded values leaves the image as it came.
    const MemoryImage before = encoded();
    pressOk();
    EXPECT_EQ(encoded().hex(), before.hex());
}

TEST_F(DebugWindowTest, CloseBoxHidesAndKeepsTheSliderForTheNextOk) {
    enterTuneModeThroughForm5();
    QTest::keyClick(slider("Slider1"), Qt::Key_PageDown);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(context.codeplug.TxHighPowerTune, 208);
    window->show();
    EXPECT_EQ(label("Lblpower1"), "203");
    pressOk();
    EXPECT_EQ(context.codeplug.TxHighPowerTune, 203);
}

TEST_F(DebugWindowTest, CaptionTableFindsEveryRowAndSwitchingKeepsTheValues) {
    const i18n::CaptionTable& table = i18n::captionTable(QStringLiteral("Form2"));
    if (table.empty()) GTEST_SKIP() << "no Form2 caption table in this build";
    for (int flag : {i18n::kFlagEnglish, i18n::kFlagChinese, i18n::kFlagEnglish}) {
        EXPECT_EQ(i18n::applyCaptionTable(window.get(), table, flag), QStringList{}) << flag;
    }
    EXPECT_EQ(window->windowTitle(), "Debug");
    EXPECT_EQ(label("Label7"), "Hight");
    EXPECT_EQ(label("Lblpower1"), "208");
    EXPECT_EQ(slider("Slider3")->value(), 92);
}

}  // namespace
}  // namespace pl63::ui::test

namespace pl63::ui::test {
namespace {

TEST_F(DebugWindowTest, EveryCaptionFitsInBothLanguages) {
    const i18n::CaptionTable& table = i18n::captionTable(QStringLiteral("Form2"));
    if (table.empty()) GTEST_SKIP() << "no Form2 caption table in this build";
    expectEverythingFits(window.get(), QStringLiteral("form2-zh"));
    i18n::applyCaptionTable(window.get(), table, i18n::kFlagEnglish);
    expectEverythingFits(window.get(), QStringLiteral("form2-en"));
}

}  // namespace
}  // namespace pl63::ui::test
