#pragma once
// Grid1 hosted in a bare window with its own AppContext, driven by real
// mouse and key events; message boxes are answered OK and remembered.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "codec/frequency_entry.h"
#include "i18n/qt/localized_msgbox.h"
#include "ui/app_context.h"
#include "ui/main/channel_grid_view.h"

namespace pl63::ui::test {

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        i18n::setMsgBoxAnswerer([this](const i18n::MsgBoxRequest& request) {
            messages.push_back(request);
            return int(i18n::IdOk);
        });
        context.mainWindow = &host;
        grid = new ChannelGridView(context, &host, &host);
        grid->setGeometry(QRect(QPoint(12, 40), grid->sizeHint()));
        host.resize(grid->sizeHint() + QSize(24, 60));
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        grid->setFocus();
    }
    void TearDown() override { i18n::setMsgBoxAnswerer({}); }

    QPoint cellCentre(int row, int col) const {
        return grid->visualRect(grid->model()->index(row - 1, col)).center();
    }
    void clickCell(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(grid->viewport(), button, {}, cellCentre(row, col));
    }
    // What the model holds and what the grid shows.
    std::string cell(int row, int col) const { return context.codeplug.channels.text(row, col); }
    QString shown(int row, int col) const { return grid->item(row - 1, col)->text(); }

    // A channel as a new RX frequency gives it, shown in the grid.
    void putChannel(int row, const std::string& rx) {
        ChannelGrid& channels = context.document.dataForSetUp().channels;
        channels.setText(row, ColRxFrequency, rx);
        applyNewChannelDefaults(channels, row, context.state.language());
        grid->showChannels();
    }
    // The same channel with Low power.
    void putLowPowerChannel(int row, const std::string& rx) {
        ChannelGrid& channels = context.document.dataForSetUp().channels;
        channels.setText(row, ColRxFrequency, rx);
        applyNewChannelDefaults(channels, row, context.state.language());
        channels.setText(row, ColPower, "低");
        channels.choices().set(row, ColPower, 0);
        grid->showChannels();
    }

    // Click the cell, replace the opened (selected) text, press Enter: what a
    // user does with either text editor.
    void clickAndType(QWidget* editor, int row, int col, const QString& typed) {
        clickCell(row, col);
        ASSERT_TRUE(editor->isVisible());
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    QWidget* focused() const { return QApplication::focusWidget(); }
    QRect cellRectInHost(int row, int col) const {
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, col));
        return QRect(grid->viewport()->mapTo(&host, cell.topLeft()), cell.size());
    }

    AppContext context;
    QWidget host;
    ChannelGridView* grid = nullptr;
    std::vector<i18n::MsgBoxRequest> messages;
};

}  // namespace pl63::ui::test
