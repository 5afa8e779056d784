// Combo1: a change to another band asks first; Cancel leaves band, limits and
// channels as they were, and the next change asks again.
#include <functional>

#include "codec/frequency_entry.h"
#include "ui_main/main_window_fixture.h"

namespace pl63::ui::test {
namespace {

class BandSelectionTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
        codeplug().channels.setText(1, ColRxFrequency, "430.12500");
        applyNewChannelDefaults(codeplug().channels, 1, Language::Chinese);
        window->grid()->showChannels();
        bands = window->typeSelection()->bandList();
        bands->setFocus();
    }
    void press(Qt::Key key) { QTest::keyClick(bands, key); }

    QComboBox* bands = nullptr;
};

// Cancel cancels the change, from the keys or the drop-down alike: the list
// shows the band the channels were entered for again, the limits stay, and
// nothing is recorded. OK clears the channels as one step.
TEST_F(BandSelectionTest, CancelPutsTheBandBackAndRecordsNothingOkClearsTheChannels) {
    struct Case {
        const char* how;
        int answer;
        std::function<void()> change;
        int band, highMHz;
        bool changed;
    };
    const Case cases[] = {
        {"key, Cancel", i18n::IdCancel, [&] { press(Qt::Key_Down); }, 0, 480, false},
        {"drop-down, Cancel", i18n::IdCancel,
         [&] {
             bands->showPopup();
             bands->setCurrentIndex(3);
             bands->hidePopup();
         },
         0, 480, false},
        {"key, OK", i18n::IdOk, [&] { press(Qt::Key_Down); }, 1, 490, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        messages.clear();
        answers = {c.answer};
        c.change();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QStringLiteral("改变频段将清除频道列表，确定吗？"));
        EXPECT_EQ(messages[0].title, QStringLiteral("注意！"));
        EXPECT_EQ(messages[0].style, i18n::StyleOkCancelQuestion);
        EXPECT_EQ(bands->currentIndex(), c.band);
        EXPECT_EQ(codeplug().band, c.band);
        EXPECT_EQ(window->typeSelection()->BandHighMHz(), c.highMHz);
        EXPECT_EQ(codeplug().channels.inUse(1), !c.changed);
        EXPECT_EQ(window->grid()->item(0, ColRxFrequency)->text().isEmpty(), c.changed);
        EXPECT_EQ(context->document.canUndo(), c.changed);
        EXPECT_EQ(window->isWindowModified(), c.changed);
    }
}

TEST_F(BandSelectionTest, BackToTheConfirmedBandDoesNotAskAndLimitsComeFromTheText) {
    answers = {i18n::IdCancel};
    press(Qt::Key_Down);
    press(Qt::Key_Up);  // position 0 again: the band last confirmed
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(window->typeSelection()->BandLowMHz(), 400);
    EXPECT_TRUE(codeplug().channels.inUse(1));

    context->state.LanguageFlag = 1;
    bands->setCurrentIndex(5);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, QStringLiteral("Change frequency channel list will remove, sure?"));
    EXPECT_EQ(messages[1].title, QStringLiteral("Attention!"));
    EXPECT_EQ(window->typeSelection()->BandLowMHz(), 136);
    EXPECT_EQ(window->typeSelection()->BandHighMHz(), 174);
    bands->setCurrentIndex(6);
    EXPECT_EQ(window->typeSelection()->BandLowMHz(), 600);
    EXPECT_EQ(window->typeSelection()->BandHighMHz(), 720);
}

}  // namespace
}  // namespace pl63::ui::test
