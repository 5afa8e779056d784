// Grid1: its shape, arming by click and Enter, where an editor opens, the
// list editors Combo5[5..8], language switches and the model operations.
#include <QAbstractItemView>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>

#include "ui/twips.h"
#include "ui_main/grid_test_fixture.h"

namespace pl63::ui::test {
namespace {

class GridViewTest : public GridTest {
protected:
    QWidget* visibleEditor() const {
        QList<QWidget*> open;
        for (QWidget* editor : allEditors()) {
            if (editor->isVisible()) open << editor;
        }
        EXPECT_LE(open.size(), 1);
        return open.value(0);
    }
    QList<QWidget*> allEditors() const {
        QList<QWidget*> editors{grid->frequencyEditor(), grid->toneEditor()};
        for (int col = ColPower; col <= ColScan; ++col) editors << grid->listEditor(col);
        return editors;
    }
    // Picks the item at `position` in the open list, with the keys a user would.
    void pickInOpenList(QComboBox* combo, int position) {
        QAbstractItemView* list = combo->view();
        ASSERT_TRUE(list->isVisible());
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < position; ++i) QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    }
};

TEST_F(GridViewTest, ShapeWidthsShadingAndNumbers) {
    EXPECT_EQ(grid->objectName(), "Grid1");
    ASSERT_EQ(grid->rowCount(), 16);
    ASSERT_EQ(grid->columnCount(), 9);
    const int widths[] = {700, 1530, 1200, 1530, 1200, 900, 950, 1200, 1200};
    const double dpi = grid->logicalDpiX();
    for (int col = 0; col < 9; ++col) {
        EXPECT_EQ(grid->columnWidth(col), twipsToPixels(widths[col], dpi)) << col;
    }
    for (int row = 1; row <= 16; ++row) {
        EXPECT_EQ(grid->rowHeight(row - 1), twipsToPixels(300, dpi));
        EXPECT_EQ(shown(row, ColNumber), QString::asprintf("%02d", row));
        for (int col = 0; col < 9; ++col) {
            const QTableWidgetItem* item = grid->item(row - 1, col);
            EXPECT_EQ(item->textAlignment(), int(Qt::AlignCenter));
            EXPECT_FALSE(item->flags() & Qt::ItemIsEditable);
            const QBrush expected = row % 2 == 0 ? QBrush(QColor(192, 192, 255)) : QBrush();
            EXPECT_EQ(item->background(), expected) << row << "," << col;
        }
    }
    // Everything fits: no scrolling at the size the grid asks for.
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
}

TEST_F(GridViewTest, EditorsCarryTheirNamesAndStartHidden) {
    EXPECT_EQ(grid->frequencyEditor()->objectName(), "Text1");
    EXPECT_EQ(grid->toneEditor()->objectName(), "Combo8");
    for (int col = ColPower; col <= ColScan; ++col) {
        EXPECT_EQ(grid->listEditor(col)->objectName(), "Combo5");
        EXPECT_EQ(grid->listEditor(col)->property("controlIndex").toInt(), col);
        EXPECT_EQ(grid->listEditor(col)->parentWidget(), &host);
    }
    EXPECT_EQ(grid->listEditor(ColNumber), nullptr);
    EXPECT_EQ(visibleEditor(), nullptr);
}

TEST_F(GridViewTest, AnyCellOfAnEmptyRowOpensTheReceiveFrequencyEditor) {
    for (int col : {ColRxTone, ColTxTone, ColPower, ColScan, ColNumber}) {
        clickCell(6, col);
        EXPECT_EQ(visibleEditor(), grid->frequencyEditor()) << "column " << col;
        EXPECT_EQ(grid->EditCol(), ColRxFrequency);
        EXPECT_EQ(grid->currentColumn(), ColRxFrequency);
        EXPECT_EQ(grid->frequencyEditor()->geometry(), cellRectInHost(6, ColRxFrequency));
        grid->setFocus();
    }
}

TEST_F(GridViewTest, TheNumberColumnOfAChannelOpensNothing) {
    putChannel(2, "438.50000");
    clickCell(2, ColNumber);
    EXPECT_EQ(visibleEditor(), nullptr);
    EXPECT_EQ(focused(), grid);
}

TEST_F(GridViewTest, ARightPressOnlyFocuses) {
    putChannel(2, "438.50000");
    grid->setCurrentCell(0, ColNumber);
    auto* other = new QLineEdit(&host);
    other->show();
    other->setFocus();
    clickCell(2, ColPower, Qt::RightButton);
    EXPECT_EQ(visibleEditor(), nullptr);
    EXPECT_EQ(focused(), grid);
    EXPECT_EQ(grid->currentRow(), 0);
}

TEST_F(GridViewTest, EnterOnTheGridOpensTheEditorOfTheCurrentCell) {
    putChannel(1, "438.50000");
    grid->setCurrentCell(0, ColNumber);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(visibleEditor(), grid->toneEditor());
    EXPECT_EQ(grid->EditCol(), ColRxTone);
}

TEST_F(GridViewTest, ListEditorsSitOverTheCellWithTheStoredPositionSelected) {
    putChannel(4, "438.50000");
    for (int col = ColPower; col <= ColScan; ++col) {
        clickCell(4, col);
        QComboBox* list = grid->listEditor(col);
        ASSERT_EQ(visibleEditor(), list) << col;
        EXPECT_EQ(list->geometry().topLeft(), cellRectInHost(4, col).topLeft());
        EXPECT_EQ(list->width(), cellRectInHost(4, col).width());
        EXPECT_EQ(list->currentIndex(), context.codeplug.channels.choices().at(4, col));
        EXPECT_TRUE(list->view()->isVisible());
        EXPECT_TRUE(focused() == list || focused() == list->view());
        grid->setFocus();  // losing the focus without a choice hides it
        EXPECT_EQ(visibleEditor(), nullptr);
    }
    EXPECT_EQ(shown(4, ColPower), "高");
}

TEST_F(GridViewTest, ChoosingHighPowerWritesCellAndTableAndEnglishShowsHight) {
    putLowPowerChannel(3, "438.50000");
    QSignalSpy edited(grid, &ChannelGridView::channelEdited);

    clickCell(3, ColPower);
    pickInOpenList(grid->listEditor(ColPower), 1);
    EXPECT_EQ(cell(3, ColPower), "高");
    EXPECT_EQ(shown(3, ColPower), "高");
    EXPECT_EQ(context.codeplug.channels.choices().at(3, ColPower), 1);
    EXPECT_EQ(visibleEditor(), nullptr);
    EXPECT_EQ(focused(), grid);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(1).toInt(), ColPower);

    context.state.LanguageFlag = 1;
    grid->SetGrid1Text();
    EXPECT_EQ(shown(3, ColPower), "Hight");
    clickCell(3, ColPower);
    EXPECT_EQ(grid->listEditor(ColPower)->itemText(0), "Low");
    EXPECT_EQ(grid->listEditor(ColPower)->currentText(), "Hight");
}

// Through the window system's routing, where the release after the opening
// press and the keys go to the open list as they do for a user.
TEST_F(GridViewTest, AListChoiceRoutedByTheWindowSystem) {
    putChannel(3, "438.50000");
    QComboBox* scan = grid->listEditor(ColScan);
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {},
                      grid->viewport()->mapTo(&host, cellCentre(3, ColScan)));
    ASSERT_EQ(visibleEditor(), scan);
    ASSERT_TRUE(scan->view()->isVisible());
    EXPECT_EQ(cell(3, ColScan), "有");  // the release chose nothing
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Up);
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Return);
    EXPECT_EQ(cell(3, ColScan), "无");
    EXPECT_EQ(context.codeplug.channels.choices().at(3, ColScan), 0);
    EXPECT_EQ(visibleEditor(), nullptr);
    EXPECT_EQ(focused(), grid);
}

TEST_F(GridViewTest, ALanguageSwitchRewritesOffTextsAndListCellsNotCodes) {
    putChannel(2, "438.50000");
    auto& channels = context.document.dataForSetUp().channels;
    channels.setText(2, ColTxTone, "D023N");
    channels.setText(2, ColForbid, "载波");
    channels.choices().set(2, ColForbid, 1);
    grid->showChannels();

    context.state.LanguageFlag = 1;
    grid->SetGrid1Text();
    EXPECT_EQ(shown(2, ColRxTone), "Off");
    EXPECT_EQ(shown(2, ColTxTone), "D023N");
    EXPECT_EQ(shown(2, ColForbid), "Carrow");
    EXPECT_EQ(shown(2, ColBandWidth), "Wide");
    EXPECT_EQ(grid->toneEditor()->itemText(0), "Off");

    context.state.LanguageFlag = 0;
    grid->SetGrid1Text();
    EXPECT_EQ(shown(2, ColRxTone), "关闭");
    EXPECT_EQ(shown(2, ColTxTone), "D023N");
    EXPECT_EQ(shown(2, ColForbid), "载波");
}

// Selecting an item in a hidden editor (opening, a language switch) is not a
// user's choice and must not touch any cell.
TEST_F(GridViewTest, HiddenEditorsIgnoreChoices) {
    putChannel(3, "438.50000");
    clickCell(3, ColScan);  // EditRow/EditCol now name a list cell
    grid->setFocus();
    const auto before = context.codeplug.channels;
    for (int col = ColPower; col <= ColScan; ++col) {
        QComboBox* list = grid->listEditor(col);
        list->setCurrentIndex(0);
        emit list->activated(0);
    }
    grid->toneEditor()->setCurrentIndex(60);
    emit grid->toneEditor()->activated(60);
    for (int col = 0; col < kGridColumns; ++col) {
        EXPECT_EQ(cell(3, col), before.text(3, col)) << col;
    }
    EXPECT_EQ(context.codeplug.channels.choices().at(3, ColScan), 1);
    EXPECT_EQ(visibleEditor(), nullptr);
}

TEST_F(GridViewTest, OpenEditorFollowsTheGridWhenItMoves) {
    clickCell(1, ColRxFrequency);
    grid->move(grid->pos() + QPoint(7, 5));
    EXPECT_EQ(grid->frequencyEditor()->geometry(), cellRectInHost(1, ColRxFrequency));
}

TEST_F(GridViewTest, ScrollingCommitsTheOpenEditor) {
    grid->resize(grid->width(), grid->height() / 2);
    clickCell(2, ColRxFrequency);
    QTest::keyClicks(grid->frequencyEditor(), "440");
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    EXPECT_EQ(visibleEditor(), nullptr);
    EXPECT_EQ(cell(2, ColRxFrequency), "440.00000");
}

TEST_F(GridViewTest, DisablingTheGridCommitsAndNothingOpensWhileLocked) {
    clickCell(2, ColRxFrequency);
    QTest::keyClicks(grid->frequencyEditor(), "441");
    grid->setEnabled(false);
    EXPECT_EQ(cell(2, ColRxFrequency), "441.00000");
    EXPECT_EQ(visibleEditor(), nullptr);
    clickCell(2, ColRxTone);
    EXPECT_EQ(visibleEditor(), nullptr);
}

TEST_F(GridViewTest, NewChannelsFromDecodingDropAnEditorOpenOnTheOldOnes) {
    clickCell(2, ColRxFrequency);
    QTest::keyClicks(grid->frequencyEditor(), "442");
    context.document.dataForSetUp().channels.setText(2, ColRxFrequency, "450.00000");
    grid->showChannels();
    EXPECT_EQ(visibleEditor(), nullptr);
    EXPECT_EQ(cell(2, ColRxFrequency), "450.00000");
    EXPECT_EQ(shown(2, ColRxFrequency), "450.00000");
}

TEST_F(GridViewTest, ClearingRowsEmptiesTheirCellsButNeverTheNumbers) {
    putChannel(1, "438.50000");
    putChannel(2, "439.00000");
    context.document.dataForSetUp().channels.choices().set(2, ColForbid, 1);
    grid->ClearNO(1);
    EXPECT_EQ(shown(1, ColRxFrequency), "");
    EXPECT_EQ(shown(1, ColScan), "");
    EXPECT_EQ(shown(2, ColRxFrequency), "439.00000");

    grid->ClearGrid1();  // New: choices stay
    EXPECT_EQ(shown(2, ColPower), "");
    EXPECT_EQ(context.codeplug.channels.choices().at(2, ColForbid), 1);

    putChannel(16, "440.00000");
    grid->ClearGrid();
    for (int row = 1; row <= 16; ++row) {
        EXPECT_EQ(shown(row, ColNumber), QString::asprintf("%02d", row));
        for (int col = ColRxFrequency; col < kGridColumns; ++col) EXPECT_EQ(shown(row, col), "");
    }
    EXPECT_EQ(context.codeplug.channels.choices().at(16, ColPower), 0);
}

}  // namespace
}  // namespace pl63::ui::test
