// Combo8 over the receive and transmit tone cells: the 261-item list, the key
// filter that raises d, n and i, typed tones normalised or refused, choices.
#include <QAbstractItemView>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QWindow>

#include "codec/tone_code.h"
#include "ui_main/grid_test_fixture.h"

namespace pl63::ui::test {
namespace {

class ToneEditorTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        putChannel(3, "438.50000");
        context.document.dataForSetUp().channels.setText(3, ColRxTone, "88.5");
        grid->showChannels();
    }
    QComboBox* combo8() const { return grid->toneEditor(); }

    void typeTone(int row, int col, const QString& typed) {
        clickAndType(combo8(), row, col, typed);
    }
};

TEST_F(ToneEditorTest, OpensOverTheCellWithItsTextAndTheListOpen) {
    clickCell(3, ColRxTone);
    EXPECT_TRUE(combo8()->isVisible());
    EXPECT_EQ(combo8()->currentText(), "88.5");
    EXPECT_TRUE(combo8()->view()->isVisible());
    const QRect cell = cellRectInHost(3, ColRxTone);
    EXPECT_EQ(combo8()->geometry().topLeft(), cell.topLeft());
    EXPECT_EQ(combo8()->width(), cell.width());
    EXPECT_EQ(grid->EditCol(), ColRxTone);
}

TEST_F(ToneEditorTest, TheListIsTheToneListWithOffInTheCurrentLanguage) {
    context.state.LanguageFlag = 1;
    clickCell(3, ColTxTone);
    ASSERT_EQ(combo8()->count(), kToneListSize);
    EXPECT_EQ(combo8()->itemText(0), "Off");
    EXPECT_EQ(combo8()->itemText(1), "67.0");
    EXPECT_EQ(combo8()->itemText(50), "254.1");
    EXPECT_EQ(combo8()->itemText(51), "D023N");
    EXPECT_EQ(combo8()->itemText(260), "D754I");
}

TEST_F(ToneEditorTest, TypedTonesAreNormalisedOrLeaveTheCellAsItWas) {
    const std::pair<const char*, const char*> cases[] = {
        {"88.5", "88.5"},  {"100", "100.0"},  {"67", "67.0"},     {"70.0", "70.0"},
        {"d23n", "D023N"}, {"D8I", "D008I"},  {"D999N", "D777N"}, {"66.9", "71.9"},
        {"254.2", "71.9"}, {"", "71.9"},      {"100N", "71.9"},   {"D", "71.9"},
        {"DN", "71.9"},    {"1.2.3", "71.9"},
    };
    for (const auto& [typed, expected] : cases) {
        context.document.dataForSetUp().channels.setText(3, ColTxTone, "71.9");
        grid->showChannels();
        typeTone(3, ColTxTone, typed);
        EXPECT_EQ(cell(3, ColTxTone), expected) << "typed " << typed;
        EXPECT_EQ(shown(3, ColTxTone).toStdString(), expected) << "typed " << typed;
        EXPECT_FALSE(combo8()->isVisible()) << "typed " << typed;
        EXPECT_EQ(focused(), grid) << "typed " << typed;
    }
}

TEST_F(ToneEditorTest, KeysOutsideTheFilterShowNothingAndDNIAreRaised) {
    clickCell(3, ColRxTone);
    QTest::keyClick(combo8(), Qt::Key_Backspace);
    QTest::keyClicks(combo8(), "xd2q3 ,n");
    EXPECT_EQ(combo8()->currentText(), "D23N");
    QTest::keyClick(combo8(), Qt::Key_Backspace);
    QTest::keyClicks(combo8(), "i");
    EXPECT_EQ(combo8()->currentText(), "D23I");
}

// The list opens with the editor, so a user's keys first reach the list; they
// are typed into the edit field as if it had the focus.
TEST_F(ToneEditorTest, TypingWhileTheListIsOpenGoesIntoTheEditField) {
    clickCell(3, ColRxTone);
    QAbstractItemView* list = combo8()->view();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Backspace);
    QTest::keyClicks(list, "d754iz");
    EXPECT_EQ(combo8()->currentText(), "D754I");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(cell(3, ColRxTone), "D754I");
    EXPECT_FALSE(combo8()->isVisible());
    EXPECT_EQ(focused(), grid);
}

TEST_F(ToneEditorTest, PickingAnItemWritesItAndGivesTheGridTheFocus) {
    QSignalSpy edited(grid, &ChannelGridView::channelEdited);
    clickCell(3, ColRxTone);
    QAbstractItemView* list = combo8()->view();
    QTest::keyClick(list, Qt::Key_Down);  // 88.5 -> 91.5
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(cell(3, ColRxTone), "91.5");
    EXPECT_EQ(shown(3, ColRxTone), "91.5");
    EXPECT_FALSE(combo8()->isVisible());
    EXPECT_EQ(focused(), grid);
    EXPECT_EQ(edited.count(), 1);
}

TEST_F(ToneEditorTest, PickingOffWritesTheOffTextOfTheCurrentLanguage) {
    context.state.LanguageFlag = 1;
    clickCell(3, ColRxTone);
    QAbstractItemView* list = combo8()->view();
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(cell(3, ColRxTone), "Off");
}

TEST_F(ToneEditorTest, ATypedToneLosingTheFocusCommits) {
    clickCell(3, ColRxTone);
    QTest::keyClick(combo8(), Qt::Key_Backspace);
    QTest::keyClicks(combo8(), "d25i");
    clickCell(5, ColRxFrequency);  // another cell: commit, then the next editor
    EXPECT_EQ(cell(3, ColRxTone), "D025I");
    EXPECT_FALSE(combo8()->isVisible());
    EXPECT_TRUE(grid->frequencyEditor()->isVisible());
}

// The same through the window system's routing: the press reaches whatever
// lies at that point of the window, keys reach the focused window, which is
// the open list's while it is open.
TEST_F(ToneEditorTest, ClickAndTypingRoutedByTheWindowSystem) {
    const QPoint atCell = grid->viewport()->mapTo(&host, cellCentre(3, ColTxTone));
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, atCell);
    ASSERT_TRUE(combo8()->isVisible());
    ASSERT_TRUE(combo8()->view()->isVisible());
    for (char c : std::string("\bd31n")) {
        QWindow* focusWindow = QGuiApplication::focusWindow();
        ASSERT_NE(focusWindow, nullptr);
        if (c == '\b') {
            QTest::keyClick(focusWindow, Qt::Key_Backspace);
        } else {
            QTest::keyClick(focusWindow, c);
        }
    }
    EXPECT_EQ(combo8()->currentText(), "D31N");
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Return);
    EXPECT_EQ(cell(3, ColTxTone), "D031N");
    EXPECT_FALSE(combo8()->isVisible());
    EXPECT_EQ(focused(), grid);
    EXPECT_FALSE(grid->frequencyEditor()->isVisible());  // Enter was not passed on
}

}  // namespace
}  // namespace pl63::ui::test
