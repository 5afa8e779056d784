#include "ui/options/debug_frequency_window.h"

#include <QHeaderView>

#include "codec/layout.h"
#include "forms_fixture.h"
#include "ui/options/debug_frequency_table.h"

namespace pl63::ui::test {
namespace {

class DebugFrequencyWindowTest : public FormsTest {
protected:
    DebugFrequencyWindow* open() {
        window_ = new DebugFrequencyWindow(context_, main_.get());
        window_->show();
        table_ = child<DebugFrequencyTable>(window_, "mfgrid1");
        return window_;
    }

    // Enters the cell as a user does (a click, or F2 on the current cell)
    // and returns its editor, nullptr when none opened.
    QLineEdit* enter(int row, int column) {
        const QModelIndex index = table_->model()->index(row - 1, column);
        if (table_->currentIndex() == index) {
            QTest::keyClick(table_, Qt::Key_F2);
        } else {
            QTest::mouseClick(table_->viewport(), Qt::LeftButton, {},
                              table_->visualRect(index).center());
        }
        return qobject_cast<QLineEdit*>(table_->indexWidget(index));
    }

    // Types `text` over the cell's text and ends the edit with Enter.
    void type(int row, int column, const QString& text) {
        QLineEdit* editor = enter(row, column);
        ASSERT_NE(editor, nullptr) << "row " << row << " column " << column;
        editor->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(editor, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(editor, text);
        }
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the view closes an editor by a queued call
    }

    QString cell(int row, int column) { return table_->cellText(row - 1, column); }

    DebugFrequencyWindow* window_ = nullptr;
    DebugFrequencyTable* table_ = nullptr;
};

TEST_F(DebugFrequencyWindowTest, DecodedImageFillsTheTable) {
    open();
    EXPECT_EQ(table_->rowCount(), 16);
    EXPECT_EQ(table_->columnCount(), 3);
    EXPECT_EQ(cell(1, 0), QStringLiteral("01"));
    EXPECT_EQ(cell(16, 0), QStringLiteral("16"));
    Codeplug source;
    source.TestFrequencies[0] = {"438.01250", "445.01250"};
    source.TestFrequencies[15] = {"136.00500", "136.00500"};
    decodeFrom(source);
    EXPECT_EQ(cell(1, 1), QStringLiteral("438.01250"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("445.01250"));
    EXPECT_EQ(cell(16, 1), QStringLiteral("136.00500"));
    EXPECT_EQ(cell(2, 1), QString());
}

TEST_F(DebugFrequencyWindowTest, EditorOpensOnEnteringACellAndNumberColumnStaysFixed) {
    open();
    EXPECT_NE(enter(3, 1), nullptr);
    EXPECT_EQ(enter(3, 0), nullptr);
    EXPECT_EQ(cell(3, 0), QStringLiteral("03"));
}

TEST_F(DebugFrequencyWindowTest, RxEntriesSnapToTheRasterAndFillTx) {
    open();
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"438.0125", "438.01250"}, {"438.013", "438.01250"}, {"438.016", "438.01500"},
        {"440", "440.00000"},      {"abc", "0.00000"},
    };
    int row = 1;
    for (const auto& c : cases) {
        type(row, 1, QString::fromLatin1(c.typed));
        EXPECT_EQ(cell(row, 1), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(cell(row, 2), QString::fromLatin1(c.shown)) << c.typed;
        ++row;
    }
}

TEST_F(DebugFrequencyWindowTest, TxFollowsTheRasterOfItsRxAndIsRefusedWithoutOne) {
    open();
    EXPECT_EQ(enter(1, 2), nullptr);  // no RX yet

    type(1, 1, "438.0125");
    type(1, 2, "438.017");
    EXPECT_EQ(cell(1, 2), QStringLiteral("438.01250"));
    type(2, 1, "438.015");
    type(2, 2, "438.017");
    EXPECT_EQ(cell(2, 2), QStringLiteral("438.01500"));

    type(2, 2, "");  // an emptied TX is refilled from RX
    EXPECT_EQ(cell(2, 2), QStringLiteral("438.01500"));
    type(2, 1, "");  // an emptied RX takes its TX along
    EXPECT_EQ(cell(2, 2), QString());
    EXPECT_EQ(enter(2, 2), nullptr);
}

TEST_F(DebugFrequencyWindowTest, PassingThroughAnRxCellKeepsItsOwnTx) {
    open();
    Codeplug source;
    source.TestFrequencies[0] = {"438.01250", "445.01250"};
    decodeFrom(source);
    QLineEdit* editor = enter(1, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    enter(2, 1);
    EXPECT_EQ(cell(1, 2), QStringLiteral("445.01250"));
}

TEST_F(DebugFrequencyWindowTest, DecodeWhileEditingShowsTheDecodedCell) {
    open();
    QLineEdit* editor = enter(3, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "431");
    Codeplug source;
    source.TestFrequencies[2] = {"438.01250", "445.01250"};
    decodeFrom(source);
    enter(4, 1);
    EXPECT_EQ(cell(3, 1), QStringLiteral("438.01250"));
    EXPECT_EQ(cell(3, 2), QStringLiteral("445.01250"));
}

TEST_F(DebugFrequencyWindowTest, OkWritesTheTableIntoTheImage) {
    open();
    type(1, 1, "438.0125");
    type(16, 1, "145.5");
    type(16, 2, "146.1");
    // Still open when OK is clicked: its text must not be lost.
    QLineEdit* editor = enter(5, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "430.1");
    click(window_, "Command1");

    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(context_.codeplug.TestFrequencies[4][0], "430.10000");
    const MemoryImage image = encoded();
    const std::size_t row1 = layout::testChannel(1);
    const std::uint8_t expected1[8] = {0x50, 0x12, 0x80, 0x43, 0x50, 0x12, 0x80, 0x43};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(image.at(row1 + i), expected1[i]) << i;
    const std::size_t row16 = layout::testChannel(16);
    const std::uint8_t expected16[8] = {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x61, 0x14};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(image.at(row16 + i), expected16[i]) << i;
    EXPECT_EQ(image.at(layout::testChannel(2)), 0xFF);
}

TEST_F(DebugFrequencyWindowTest, CancelAndCloseOnlyHideAndKeepTheCells) {
    open();
    type(1, 1, "438.0125");
    click(window_, "Command2");
    EXPECT_FALSE(window_->isVisible());
    window_->show();
    type(2, 1, "440");
    window_->close();
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(context_.codeplug.TestFrequencies[0][0], "");

    window_->show();
    switchLanguage(window_, 1);
    EXPECT_EQ(table_->horizontalHeaderItem(1)->text(), QStringLiteral("RX Frequency"));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("测试频率"));
    switchLanguage(window_, 0);
    EXPECT_EQ(table_->horizontalHeaderItem(0)->text(), QStringLiteral("频道"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("440.00000"));
    click(window_, "Command1");
    EXPECT_EQ(context_.codeplug.TestFrequencies[0][1], "438.01250");
    EXPECT_EQ(context_.codeplug.TestFrequencies[1][0], "440.00000");
}

}  // namespace
}  // namespace pl63::ui::test
