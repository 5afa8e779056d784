// Combo1: a change to another band asks first; Cancel keeps the channels but
// the new band and limits, and the next change asks again.
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

TEST_F(BandSelectionTest, CancelKeepsTheChannelsButTheNewBandAndAsksAgainNextTime) {
    answers = {i18n::IdCancel};
    press(Qt::Key_Down);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("改变频段将清除频道列表，确定吗？"));
    EXPECT_EQ(messages[0].title, QStringLiteral("注意！"));
    EXPECT_EQ(messages[0].style, i18n::StyleOkCancelQuestion);
    EXPECT_EQ(bands->currentIndex(), 1);
    EXPECT_EQ(codeplug().band, 1);
    EXPECT_EQ(window->typeSelection()->BandLowMHz(), 450);
    EXPECT_EQ(window->typeSelection()->BandHighMHz(), 490);
    EXPECT_EQ(context->state.PreviousBandIndex, 0);
    EXPECT_EQ(codeplug().channels.text(1, ColRxFrequency), "430.12500");
    EXPECT_EQ(window->grid()->item(0, ColRxFrequency)->text(), QStringLiteral("430.12500"));

    // Yet another band: asked again; OK clears every channel.
    press(Qt::Key_Down);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(codeplug().band, 2);
    EXPECT_EQ(context->state.PreviousBandIndex, 2);
    EXPECT_EQ(window->typeSelection()->BandHighMHz(), 430);
    EXPECT_FALSE(codeplug().channels.inUse(1));
    EXPECT_TRUE(window->grid()->item(0, ColRxFrequency)->text().isEmpty());
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

TEST_F(BandSelectionTest, OpeningTheDropDownMakesTheShownBandTheOneAChangeIsMeasuredFrom) {
    answers = {i18n::IdCancel, i18n::IdCancel};
    press(Qt::Key_Down);  // cancelled: band 1 shown, band 0 still confirmed
    bands->showPopup();
    EXPECT_EQ(context->state.PreviousBandIndex, 1);
    bands->hidePopup();
    bands->setCurrentIndex(0);  // now a change away from band 1: asked
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_TRUE(codeplug().channels.inUse(1));
}

}  // namespace
}  // namespace pl63::ui::test
