// TuneMode across the windows: entered on the Optional functions window's
// captions, it shows Form1's "TAnMa" button and unlocks the Debug window's
// sliders; two clicks on "TAnMa" leave it and lock them again.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "i18n/qt/localized_msgbox.h"
#include "ui/app_context.h"
#include "ui/main/main_window.h"
#include "ui/options/option_windows.h"
#include "ui_support/fake_clock.h"

namespace pl63::ui::test {
namespace {

class TuneModeTest : public ::testing::Test {
protected:
    void SetUp() override {
        i18n::setMsgBoxAnswerer([](const i18n::MsgBoxRequest&) { return int(i18n::IdOk); });
        clock = installFakeClock(context);
        registerOptionWindows(context);
        MainWindowStartup startup;
        startup.programFolder = folder.path();
        startup.languageHint = [] { return std::optional<std::int16_t>{}; };
        window = std::make_unique<MainWindow>(context, startup);
        window->show();
    }
    void TearDown() override {
        window.reset();
        i18n::setMsgBoxAnswerer({});
    }

    QWidget* optionWindow(const char* name) {
        QWidget* found = context.windows.existing(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name << " is created at start-up";
        return found;
    }
    void clickCaption(const char* name) {
        QTest::mouseClick(optionWindow("Form5")->findChild<QLabel*>(name), Qt::LeftButton);
    }
    QSlider* slider(const char* name) { return optionWindow("Form2")->findChild<QSlider*>(name); }

    QTemporaryDir folder;
    AppContext context;
    FakeClock* clock = nullptr;
    std::unique_ptr<MainWindow> window;
};

TEST_F(TuneModeTest, EnteredOnForm5CaptionsAndLeftThroughTAnMa) {
    window->menuAction("mnudtmf")->trigger();
    ASSERT_TRUE(optionWindow("Form5")->isVisible());
    QAction* tanma = window->toolButton(QStringLiteral("TAnMa"));
    ASSERT_FALSE(tanma->isVisible());
    ASSERT_FALSE(slider("Slider1")->isEnabled());

    clickCaption("Label15");
    clickCaption("Label4");
    clock->advance(3);
    clickCaption("Label11");
    EXPECT_TRUE(tanma->isVisible());
    EXPECT_TRUE(slider("Slider1")->isEnabled());
    EXPECT_TRUE(slider("Slider3")->isEnabled());
    EXPECT_TRUE(context.state.DebugUnlocked);

    window->menuAction("mnudebug")->trigger();
    QTest::keyClick(slider("Slider1"), Qt::Key_Home);

    clock->advance(10);
    tanma->trigger();
    clock->advance(0.5);
    tanma->trigger();
    EXPECT_FALSE(context.state.TuneMode());
    EXPECT_FALSE(tanma->isVisible());
    EXPECT_FALSE(slider("Slider1")->isEnabled());
    EXPECT_FALSE(slider("Slider3")->isEnabled());
    EXPECT_FALSE(context.state.DebugUnlocked);

    // Locked, OK still writes what the slider shows.
    QTest::mouseClick(optionWindow("Form2")->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(context.codeplug.TxHighPowerTune, 0);

    // The gesture starts from scratch: one caption is not enough.
    clickCaption("Label4");
    EXPECT_FALSE(context.state.TuneMode());
}

}  // namespace
}  // namespace pl63::ui::test
