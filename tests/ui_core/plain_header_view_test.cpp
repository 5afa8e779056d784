#include "ui/plain_header_view.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTableWidget>

namespace pl63::ui {
namespace {

// Two tables with the same header texts, one with Qt's header, one plain.
struct TablePair {
    QTableWidget qt;
    QTableWidget plain;

    explicit TablePair(const QStringList& texts) {
        usePlainColumnHeader(plain);
        for (QTableWidget* table : {&qt, &plain}) {
            table->setRowCount(3);
            table->setColumnCount(static_cast<int>(texts.size()));
            table->setHorizontalHeaderLabels(texts);
        }
    }
};

TEST(PlainHeaderView, KeepsTheHeightQtGivesAndNeverMeasuresWiderThanBold) {
    // Chinese and Latin texts: the header's height is the tallest line of
    // either script, which must not change by leaving out the bold faces.
    TablePair tables({QStringLiteral("信道"), QStringLiteral("RX Frequency"),
                      QStringLiteral("宽\\窄带"), QStringLiteral("Scan Add")});
    const QSize qtHint = tables.qt.horizontalHeader()->sizeHint();
    const QSize plainHint = tables.plain.horizontalHeader()->sizeHint();
    EXPECT_EQ(plainHint.height(), qtHint.height());
    EXPECT_GT(plainHint.width(), 0);
    EXPECT_LE(plainHint.width(), qtHint.width());
}

TEST(PlainHeaderView, AFixedSizeHintOfASectionWins) {
    TablePair tables({QStringLiteral("a"), QStringLiteral("b")});
    for (QTableWidget* table : {&tables.qt, &tables.plain}) {
        table->horizontalHeaderItem(1)->setSizeHint(QSize(80, 61));
    }
    EXPECT_EQ(tables.plain.horizontalHeader()->sizeHint().height(), 61);
    EXPECT_EQ(tables.plain.horizontalHeader()->sizeHint(),
              tables.qt.horizontalHeader()->sizeHint());
}

}  // namespace
}  // namespace pl63::ui
