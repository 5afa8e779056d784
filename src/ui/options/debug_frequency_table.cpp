#include "ui/options/debug_frequency_table.h"

#include <QHeaderView>
#include <QLineEdit>

#include "codec/debug_frequency.h"
#include "ui/plain_header_view.h"
#include "ui/twips.h"

namespace pl63::ui {
namespace {

constexpr int kRows = 16;
constexpr int kColumns = 3;
constexpr int kColumnWidthTwips[kColumns] = {900, 1530, 1530};
constexpr int kRowHeightTwips = 300;

class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(DebugFrequencyTable* table) : QStyledItemDelegate(table), table_(table) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const TestFrequencyRow row{table_->cellText(index.row(), TestColRx).toStdString(),
                                   table_->cellText(index.row(), TestColTx).toStdString()};
        if (!testFrequencyCellEditable(row, index.column())) return nullptr;
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setAlignment(Qt::AlignCenter);
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const QString before = index.data().toString();
        QStyledItemDelegate::setModelData(editor, model, index);
        // Passing through a cell opens its editor; only a changed text is an
        // edit, or walking across an RX cell would overwrite its TX.
        if (index.data().toString() != before) emit table_->cellEdited(index.row(), index.column());
    }

private:
    DebugFrequencyTable* table_;
};

}  // namespace

DebugFrequencyTable::DebugFrequencyTable(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("mfgrid1"));
    setItemDelegate(new CellDelegate(this));
    usePlainColumnHeader(*this);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int rowHeight = twipsToPixels(kRowHeightTwips);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    setRowCount(kRows);
    setColumnCount(kColumns);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);

    int width = 0;
    for (int column = 0; column < kColumns; ++column) {
        setColumnWidth(column, twipsToPixels(kColumnWidthTwips[column]));
        width += columnWidth(column);
        setHorizontalHeaderItem(column, new QTableWidgetItem(QStringLiteral("00")));
    }
    horizontalHeader()->setFixedHeight(rowHeight);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (column == TestColNumber) {
                item->setFlags(Qt::ItemIsEnabled);
                // Shaded like the header: the number column is fixed.
                item->setBackground(palette().button());
                item->setText(QStringLiteral("%1").arg(row + 1, 2, 10, QLatin1Char('0')));
            }
            setItem(row, column, item);
        }
    }
    const int frame = 2 * frameWidth();
    setFixedSize(width + frame, rowHeight * (kRows + 1) + frame);
}

QString DebugFrequencyTable::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void DebugFrequencyTable::setCellText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) cell->setText(text);
}

void DebugFrequencyTable::finishEditing() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DebugFrequencyTable::abandonEditing() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
}

}  // namespace pl63::ui
