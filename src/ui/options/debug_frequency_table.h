#pragma once
// mfgrid1, the table of the test frequency window: 16 rows of RX and TX
// beside a fixed number column, under a fixed header row. A cell's editor
// opens as soon as the cell is entered; a TX cell without an RX frequency
// refuses to open one; a finished edit is announced so the window can move
// the row onto the raster.
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace pl63::ui {

class DebugFrequencyTable : public QTableWidget {
    Q_OBJECT

public:
    explicit DebugFrequencyTable(QWidget* parent);

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

    // Writes an open editor's text into its cell (OK must not lose the last
    // typing) and closes it.
    void finishEditing();
    // Closes an open editor without writing it: newly decoded cells win over
    // half-typed text.
    void abandonEditing();

signals:
    // An editor closed with a text other than the cell had.
    void cellEdited(int row, int column);
};

}  // namespace pl63::ui
