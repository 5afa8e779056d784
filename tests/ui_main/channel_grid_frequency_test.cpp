// Text1 over the receive and transmit frequency cells: the key filter, the
// band check with its message, raster snapping, new channels and deletion.
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

#include "codec/band.h"
#include "ui_main/grid_test_fixture.h"

namespace pl63::ui::test {
namespace {

constexpr int kBand136To174 = 5;

class FrequencyEditorTest : public GridTest {
protected:
    QLineEdit* text1() const { return grid->frequencyEditor(); }

    void typeFrequency(int row, int col, const QString& typed) {
        clickAndType(text1(), row, col, typed);
    }
};

TEST_F(FrequencyEditorTest, OpensOverTheCellWithItsTextYellowAndFocused) {
    putChannel(2, "438.50000");
    clickCell(2, ColTxFrequency);
    EXPECT_TRUE(text1()->isVisible());
    EXPECT_EQ(text1()->text(), "438.50000");
    EXPECT_EQ(text1()->geometry(), cellRectInHost(2, ColTxFrequency));
    EXPECT_EQ(focused(), text1());
    EXPECT_EQ(text1()->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(grid->EditRow(), 2);
    EXPECT_EQ(grid->EditCol(), ColTxFrequency);
}

TEST_F(FrequencyEditorTest, NewReceiveFrequencyCreatesTheChannelWithItsDefaults) {
    QSignalSpy edited(grid, &ChannelGridView::channelEdited);
    typeFrequency(4, ColRxFrequency, "438.5");
    EXPECT_FALSE(text1()->isVisible());
    EXPECT_EQ(focused(), grid);
    const std::vector<std::string> row{"04", "438.50000", "关闭", "438.50000", "关闭",
                                       "高", "关闭",      "宽带", "有"};
    for (int col = 0; col < kGridColumns; ++col) {
        EXPECT_EQ(cell(4, col), row[col]) << "column " << col;
        EXPECT_EQ(shown(4, col).toStdString(), row[col]) << "column " << col;
    }
    const auto& choices = context.codeplug.channels.choices();
    EXPECT_EQ(choices.at(4, ColPower), 1);
    EXPECT_EQ(choices.at(4, ColForbid), 0);
    EXPECT_EQ(choices.at(4, ColBandWidth), 1);
    EXPECT_EQ(choices.at(4, ColScan), 1);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).toInt(), 4);
    EXPECT_EQ(edited.at(0).at(1).toInt(), ColRxFrequency);
}

TEST_F(FrequencyEditorTest, DefaultsOfANewChannelAreInTheCurrentLanguage) {
    context.state.LanguageFlag = 1;
    typeFrequency(1, ColRxFrequency, "440");
    EXPECT_EQ(shown(1, ColRxTone), "Off");
    EXPECT_EQ(shown(1, ColPower), "Hight");
    EXPECT_EQ(shown(1, ColBandWidth), "Wide");
    EXPECT_EQ(shown(1, ColScan), "Have");
}

TEST_F(FrequencyEditorTest, ChangingOneFrequencyLeavesTheOtherAlone) {
    putLowPowerChannel(3, "438.50000");
    typeFrequency(3, ColRxFrequency, "439.1");
    EXPECT_EQ(shown(3, ColRxFrequency), "439.10000");
    EXPECT_EQ(shown(3, ColTxFrequency), "438.50000");
    EXPECT_EQ(shown(3, ColPower), "低");  // no new-channel defaults
    typeFrequency(3, ColTxFrequency, "401");
    EXPECT_EQ(shown(3, ColRxFrequency), "439.10000");
    EXPECT_EQ(shown(3, ColTxFrequency), "401.00000");
}

TEST_F(FrequencyEditorTest, ReceiveOnlyChannelGetsTheDefaultsWhenItsReceiveFrequencyIsEntered) {
    auto& channels = context.document.dataForSetUp().channels;
    channels.setText(6, ColRxFrequency, "435.12500");
    channels.setText(6, ColRxTone, "D023N");
    channels.setText(6, ColPower, "低");
    grid->showChannels();
    typeFrequency(6, ColRxFrequency, "435.125");
    EXPECT_EQ(shown(6, ColTxFrequency), "435.12500");
    EXPECT_EQ(shown(6, ColRxTone), "关闭");
    EXPECT_EQ(shown(6, ColPower), "高");
}

TEST_F(FrequencyEditorTest, EmptiedReceiveFrequencyDeletesTheChannelEmptiedTransmitDoesNothing) {
    putChannel(5, "438.50000");
    QSignalSpy edited(grid, &ChannelGridView::channelEdited);
    typeFrequency(5, ColTxFrequency, "");
    EXPECT_EQ(shown(5, ColTxFrequency), "438.50000");
    EXPECT_EQ(edited.count(), 0);

    typeFrequency(5, ColRxFrequency, "");
    for (int col = ColRxFrequency; col < kGridColumns; ++col) {
        EXPECT_EQ(shown(5, col), "") << "column " << col;
    }
    EXPECT_EQ(shown(5, ColNumber), "05");
    EXPECT_EQ(context.codeplug.channels.choices().at(5, ColPower), 0);
    EXPECT_EQ(edited.count(), 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrequencyEditorTest, OutOfBandIsToldAndTheCellKeepsItsText) {
    putChannel(2, "438.50000");
    typeFrequency(2, ColRxFrequency, "480");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "超出频段范围");
    EXPECT_EQ(messages[0].style, i18n::StyleOkOnly);
    EXPECT_EQ(messages[0].buttons, QList<int>{i18n::IdOk});
    EXPECT_EQ(shown(2, ColRxFrequency), "438.50000");
    EXPECT_FALSE(text1()->isVisible());
    EXPECT_EQ(focused(), grid);

    context.state.LanguageFlag = 1;
    typeFrequency(2, ColTxFrequency, "99");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "Beyond the frequency range");
    EXPECT_EQ(shown(2, ColTxFrequency), "438.50000");
}

TEST_F(FrequencyEditorTest, OutOfBandOnAnEmptyRowCreatesNothing) {
    typeFrequency(7, ColRxFrequency, "145");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(context.codeplug.channels.inUse(7));
    EXPECT_EQ(shown(7, ColTxFrequency), "");
}

TEST_F(FrequencyEditorTest, TypedValuesAreCheckedAgainstTheSelectedBandAndSnappedToTheRaster) {
    struct Case {
        int band;
        const char* typed;
        const char* shown;  // empty: refused with the message
    };
    const Case cases[] = {
        {0, "400", "400.00000"},
        {0, "479.999", "479.99500"},
        {0, "480", ""},
        {0, "438.507", "438.50625"},
        {0, "438.503", "438.50000"},
        {0, "462.5625", "462.56250"},
        {0, "399.99999", ""},
        {kBand136To174, "145.5", "145.50000"},
        {kBand136To174, "145.1234", "145.12000"},
        {kBand136To174, "99", ""},
    };
    for (const Case& c : cases) {
        context.document.dataForSetUp().band = static_cast<std::int16_t>(c.band);
        context.document.dataForSetUp().channels.ClearNO(1);
        grid->showChannels();
        messages.clear();
        typeFrequency(1, ColRxFrequency, c.typed);
        const std::string expected = c.shown;
        EXPECT_EQ(cell(1, ColRxFrequency), expected) << c.typed << " in " << kBands[c.band].text;
        EXPECT_EQ(messages.size(), expected.empty() ? 1u : 0u) << c.typed;
    }
}

TEST_F(FrequencyEditorTest, OnlyDigitsAndThePointCanBeTypedNineAtMost) {
    clickCell(1, ColRxFrequency);
    QTest::keyClicks(text1(), "4a3 8-x.,5Z");
    EXPECT_EQ(text1()->text(), "438.5");
    QTest::keyClicks(text1(), "06251");
    EXPECT_EQ(text1()->text(), "438.50625");  // the tenth character is not taken

    QGuiApplication::clipboard()->setText("abc");
    QTest::keyClick(text1(), Qt::Key_Backspace);
    QTest::keyClick(text1(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text1()->text(), "438.5062");
}

TEST_F(FrequencyEditorTest, TextThatIsNoNumberIsIgnoredSilently) {
    putChannel(2, "438.50000");
    typeFrequency(2, ColRxFrequency, "1.2.3");
    EXPECT_EQ(shown(2, ColRxFrequency), "438.50000");
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(text1()->isVisible());
}

// An entry the rules refuse changes nothing: no step to undo, no modified
// mark, whether the row holds a channel or not (an empty row may still carry
// list positions from the file it came from).
TEST_F(FrequencyEditorTest, RefusedEntriesRecordNothingAndMarkNothing) {
    struct Case {
        const char* what;
        int row, col;
        const char* typed;
    };
    const Case cases[] = {
        {"letters into an empty row", 7, ColRxFrequency, "abc"},
        {"letters into a channel's TX", 2, ColTxFrequency, "abc"},
        {"no number", 2, ColRxFrequency, "1.2.3"},
        {"out of band", 2, ColRxFrequency, "480"},
        {"out of band on an empty row", 7, ColRxFrequency, "145"},
    };
    putChannel(2, "438.50000");
    context.document.dataForSetUp().channels.choices().set(7, ColForbid, 1);
    context.document.startOver();
    const Codeplug before = context.codeplug;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        typeFrequency(c.row, c.col, c.typed);
        EXPECT_TRUE(context.codeplug == before);
        EXPECT_FALSE(context.document.canUndo());
        EXPECT_FALSE(context.document.isModified());
    }
}

TEST_F(FrequencyEditorTest, AnyFocusChangeCommits) {
    auto* other = new QLineEdit(&host);
    other->setGeometry(0, 0, 50, 20);
    other->show();
    clickCell(8, ColRxFrequency);
    QTest::keyClicks(text1(), "440.1");
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(cell(8, ColRxFrequency), "440.10000");
    EXPECT_FALSE(text1()->isVisible());
    EXPECT_EQ(focused(), other);  // a plain commit does not pull the focus back
}

TEST_F(FrequencyEditorTest, TheWindowGoingToTheBackgroundCommits) {
    clickCell(8, ColRxFrequency);
    QTest::keyClicks(text1(), "440.2");
    QWidget other;
    other.resize(100, 50);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(cell(8, ColRxFrequency), "440.20000");
    EXPECT_FALSE(text1()->isVisible());
}

TEST_F(FrequencyEditorTest, CommitOpenEditorCommitsWhatWasTyped) {
    EXPECT_FALSE(grid->commitOpenEditor());
    clickCell(9, ColRxFrequency);
    QTest::keyClicks(text1(), "433");
    EXPECT_TRUE(grid->commitOpenEditor());
    EXPECT_EQ(cell(9, ColRxFrequency), "433.00000");
    EXPECT_FALSE(text1()->isVisible());
}

}  // namespace
}  // namespace pl63::ui::test
