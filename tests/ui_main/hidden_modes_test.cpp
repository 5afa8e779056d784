// The LoginMode gesture on three Function Set captions, the exits of both
// hidden modes on their toolbar buttons, and Text2 with its mask and filter.
#include <QClipboard>
#include <QGuiApplication>
#include <QToolButton>

#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "ui_main/main_window_fixture.h"

namespace pl63::ui::test {
namespace {

class HiddenModesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
        clock->set(36000.0);
    }
    // Squelch Grade, Time-out Warn, VOX Delay time.
    void clickCaption(const char* label, double at) {
        clock->set(at);
        QTest::mouseClick(widget(label), Qt::LeftButton);
    }
    void clickButton(const char* key, double at) {
        clock->set(at);
        QWidget* button = window->toolbar()->widgetForAction(window->toolButton(key));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    PasswordBox* text2() { return window->typeSelection()->passwordBox(); }
    bool loginShown() { return window->toolButton("Login")->isVisible(); }
};

TEST_F(HiddenModesTest, ThreeCaptionsWithinFiveSecondsEnterLoginModeInAnyOrder) {
    clickCaption("Label12", 36000.0);
    clickCaption("Label6", 36002.0);
    EXPECT_FALSE(context->state.LoginMode());
    EXPECT_TRUE(text2()->masked());
    clickCaption("Label1", 36005.0);  // exactly five seconds: still in time
    EXPECT_TRUE(context->state.LoginMode());
    EXPECT_TRUE(loginShown());
    EXPECT_FALSE(text2()->masked());
}

TEST_F(HiddenModesTest, ALateClickRestartsTheCountFromItself) {
    clickCaption("Label6", 36000.0);
    clickCaption("Label1", 36001.0);
    clickCaption("Label12", 36005.6);  // too late
    EXPECT_FALSE(context->state.LoginMode());
    // The late click counts as the first of a new gesture.
    clickCaption("Label6", 36008.0);
    EXPECT_FALSE(context->state.LoginMode());
    clickCaption("Label1", 36010.0);
    EXPECT_TRUE(context->state.LoginMode());
    EXPECT_TRUE(loginShown());
}

TEST_F(HiddenModesTest, LoginButtonLeavesOnlyOnTwoClicksWithinASecond) {
    clickCaption("Label6", 36000.0);
    clickCaption("Label1", 36000.5);
    clickCaption("Label12", 36001.0);
    ASSERT_TRUE(context->state.LoginMode());

    clickButton("Login", 36010.0);
    clickButton("Login", 36011.5);  // 1.5 s: only restarts the timing
    EXPECT_TRUE(context->state.LoginMode());
    EXPECT_TRUE(loginShown());
    clickButton("Login", 36012.3);  // 0.3 s after the restart (taken as 36012)
    EXPECT_FALSE(context->state.LoginMode());
    EXPECT_FALSE(loginShown());
    EXPECT_TRUE(text2()->masked());
    // The gesture starts from nothing again.
    clickCaption("Label6", 36020.0);
    EXPECT_FALSE(context->state.LoginMode());
}

TEST_F(HiddenModesTest, TAnMaButtonLeavesTuneModeAndLocksTheTuningAgain) {
    EXPECT_FALSE(window->toolButton("TAnMa")->isVisible());
    context->state.setTuneMode(true);
    context->state.DebugUnlocked = true;
    EXPECT_TRUE(window->toolButton("TAnMa")->isVisible());
    clickButton("TAnMa", 36000.0);
    EXPECT_TRUE(context->state.TuneMode());
    clickButton("TAnMa", 36000.6);
    EXPECT_FALSE(context->state.TuneMode());
    EXPECT_FALSE(context->state.DebugUnlocked);
    EXPECT_FALSE(window->toolButton("TAnMa")->isVisible());
    EXPECT_FALSE(context->state.tuneGesture.flag(0));
}

// New data lock the tuning values again; TuneMode itself stays.
TEST_F(HiddenModesTest, OpeningAFileInTuneModeLocksTheTuningAgain) {
    const std::string file = (folder / "tuned.DAT").string();
    ASSERT_TRUE(writeDatFile(file, EncodeImage(Codeplug{}, Language::Chinese)).ok());
    context->state.setTuneMode(true);
    context->state.DebugUnlocked = true;
    fileNames = {QString::fromStdString(file)};
    trigger("mnuOpen");
    EXPECT_FALSE(context->state.DebugUnlocked);
    EXPECT_TRUE(context->state.TuneMode());
}

TEST_F(HiddenModesTest, PasswordBoxTakesOnlyPasswordCharactersAndKeepsThemTrimmed) {
    text2()->setFocus();
    QTest::keyClicks(text2(), "ab 1.!Z-9");
    EXPECT_EQ(text2()->text(), QStringLiteral("ab1.Z9"));
    EXPECT_EQ(codeplug().CommPassword, "ab1.Z9");
    QTest::keyClick(text2(), Qt::Key_Backspace);
    EXPECT_EQ(codeplug().CommPassword, "ab1.Z");
    // Blanks that come in by other ways are dropped when the box is left.
    text2()->setText(QStringLiteral("  77  "));
    window->typeSelection()->bandList()->setFocus();
    text2()->clearFocus();
    EXPECT_EQ(codeplug().CommPassword, "77");
    EXPECT_EQ(text2()->echoMode(), QLineEdit::Password);
}

TEST_F(HiddenModesTest, PasteIntoThePasswordBoxKeepsWhatTypingWould) {
    text2()->setFocus();
    QTest::keyClicks(text2(), "ab");
    QGuiApplication::clipboard()->setText(QStringLiteral(" 1-2.x\tY!\n"));
    QTest::keyClick(text2(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(text2(), "z");
    EXPECT_EQ(text2()->text(), QStringLiteral("ab12.xYz"));
    EXPECT_EQ(codeplug().CommPassword, "ab12.xYz");
}

// Buttons 7 and 8 show no tooltip, in either language: only 1-3, 5 and 6
// have one.
TEST_F(HiddenModesTest, TheHiddenModeButtonsHaveNoTooltip) {
    context->state.setLoginMode(true);
    context->state.setTuneMode(true);
    for (const char* language : {"mnuEnglish", "mnuChinese"}) {
        trigger(language);
        for (const char* key : {"TAnMa", "Login"}) {
            QAction* action = window->toolButton(key);
            ASSERT_TRUE(action->isVisible()) << key;
            EXPECT_TRUE(action->toolTip().isEmpty()) << key;
            EXPECT_TRUE(window->toolbar()->widgetForAction(action)->toolTip().isEmpty()) << key;
        }
        EXPECT_FALSE(window->toolButton("read")->toolTip().isEmpty());
    }
}

}  // namespace
}  // namespace pl63::ui::test
