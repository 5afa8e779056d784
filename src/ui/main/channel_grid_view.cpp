// Grid1 itself: shape, look, arming by click or Enter, and the model
// operations. The editors live in channel_grid_editors.cpp.
#include "ui/main/channel_grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>

#include "forms/grid_choices.h"
#include "i18n/qt/captions.h"
#include "i18n/step_names.h"
#include "ui/app_context.h"
#include "ui/plain_header_view.h"
#include "ui/twips.h"

namespace pl63::ui {
namespace {

constexpr std::array<int, kGridColumns> kColumnWidthsTwips{700, 1530, 1200, 1530, 1200,
                                                           900, 950,  1200, 1200};
constexpr int kRowHeightTwips = 300;
const QColor kEvenRowColour(192, 192, 255);

// Rows of the grid are channels 1..16; the table counts from 0.
int tableRow(int channel) {
    return channel - 1;
}
int channelOf(int tableRow) {
    return tableRow + 1;
}

}  // namespace

ChannelGridView::ChannelGridView(AppContext& context, QWidget* editorParent, QWidget* parent)
    : QTableWidget(parent),
      context_(context),
      editorParent_(editorParent ? editorParent : this) {
    setObjectName(QStringLiteral("Grid1"));
    buildGrid();
    buildEditors();
    refreshAll();
}

void ChannelGridView::buildGrid() {
    // The cells are never typed into and a press selects exactly one cell:
    // every change goes through an editor and its entry rules.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setDragEnabled(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    usePlainColumnHeader(*this);
    verticalHeader()->hide();

    const double dpi = logicalDpiX();
    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(0);
    rows->setDefaultSectionSize(twipsToPixels(kRowHeightTwips, dpi));
    QHeaderView* columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionsClickable(false);
    columns->setSectionsMovable(false);
    columns->setMinimumSectionSize(0);
    setRowCount(kChannelCount);
    setColumnCount(kGridColumns);
    for (int col = 0; col < kGridColumns; ++col) {
        setColumnWidth(col, twipsToPixels(kColumnWidthsTwips[col], dpi));
        setHorizontalHeaderItem(col, new QTableWidgetItem);
    }

    for (int row = 1; row <= kChannelCount; ++row) {
        for (int col = 0; col < kGridColumns; ++col) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignCenter);
            if (row % 2 == 0) item->setBackground(kEvenRowColour);
            setItem(tableRow(row), col, item);
        }
    }
    applyDesignHeaders();
    // The header row's height follows its texts (a Chinese caption stands
    // taller than an English one) and the grid's size follows the header: a
    // stale height would leave the last channel under a scroll bar.
    connect(model(), &QAbstractItemModel::headerDataChanged, this, [this] { updateGeometry(); });

    // An editor lies over its cell, outside the viewport: when the cells move
    // under it, what the user typed is committed rather than left floating
    // over another channel.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { commitOpenEditor(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { commitOpenEditor(); });
}

// The header row as designed (Chinese); ApplyCaptions rewrites it in the
// language chosen at start-up, and LanguageFlag 2 keeps these.
void ChannelGridView::applyDesignHeaders() {
    for (const i18n::CaptionRow& row : i18n::captionTable(QStringLiteral("Form1"))) {
        if (row.target != i18n::CaptionTarget::HeaderCell || row.objectName != "Grid1") continue;
        if (QTableWidgetItem* header = horizontalHeaderItem(row.index)) {
            header->setText(QString::fromStdString(row.text.zh));
        }
    }
}

int ChannelGridView::designWidth(int col) const {
    return twipsToPixels(kColumnWidthsTwips[col], static_cast<double>(logicalDpiX()));
}

QSize ChannelGridView::sizeHint() const {
    int width = 2 * frameWidth();
    for (int col = 0; col < kGridColumns; ++col) width += designWidth(col);
    int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height();
    for (int row = 0; row < kChannelCount; ++row) height += rowHeight(row);
    return {width, height};
}

void ChannelGridView::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    spreadColumns();
}

// The window is as wide as the wider of the grid and the panels above it, and
// the English captions widen the panels: the columns then share the extra
// room in proportion, so the grid fills the window instead of leaving a
// strip beside it.
void ChannelGridView::spreadColumns() {
    int design = 0;
    for (int col = 0; col < kGridColumns; ++col) design += designWidth(col);
    const int extra = std::max(0, viewport()->width() - design);
    int given = 0;
    for (int col = 0; col < kGridColumns; ++col) {
        const bool last = col + 1 == kGridColumns;
        const int share = last ? extra - given : extra * designWidth(col) / design;
        setColumnWidth(col, designWidth(col) + share);
        given += share;
    }
}

void ChannelGridView::refreshRow(int row) {
    const ChannelGrid& channels = context_.codeplug.channels;
    for (int col = 0; col < kGridColumns; ++col) {
        const QString text = QString::fromStdString(channels.text(row, col));
        QTableWidgetItem* cell = item(tableRow(row), col);
        if (cell->text() != text) cell->setText(text);
    }
}

void ChannelGridView::refreshAll() {
    for (int row = 1; row <= kChannelCount; ++row) refreshRow(row);
}

void ChannelGridView::showChannels() {
    discardOpenEditor();
    refreshAll();
}

void ChannelGridView::ClearNO(int row) {
    commitOpenEditor();
    context_.document.change(i18n::gridCellStep(row, ColNumber),
                             [row](Codeplug& codeplug) { codeplug.channels.ClearNO(row); });
    refreshRow(row);
}

void ChannelGridView::ClearGrid() {
    commitOpenEditor();
    context_.document.change(i18n::stepName("band"),
                             [](Codeplug& codeplug) { codeplug.channels.ClearGrid(); });
    refreshAll();
}

void ChannelGridView::ClearGrid1() {
    commitOpenEditor();
    context_.document.change(i18n::stepName("new"),
                             [](Codeplug& codeplug) { codeplug.channels.ClearGrid1(); });
    refreshAll();
}

void ChannelGridView::SetGrid1Text() {
    commitOpenEditor();
    // How the lists read is no change of the data: the document rewrites the
    // states it keeps as well.
    context_.document.translate(context_.state.language());
    refreshListTexts();
    refreshAll();
}

// A left press selects the one cell under the pointer and arms the grid; no
// range can be dragged, the pointer moving on changes nothing. The click
// acts when the button comes up, so the editor's list opens after the release
// instead of taking that release as the choice of an item. A right press
// only focuses.
void ChannelGridView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    const QModelIndex index = indexAt(event->position().toPoint());
    GridClickArmed = index.isValid();
    if (!index.isValid()) return;
    setCurrentCell(index.row(), index.column());
}

// The second press of a double click is a press like the first.
void ChannelGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void ChannelGridView::mouseMoveEvent(QMouseEvent*) {}

void ChannelGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) clickCurrentCell();
}

void ChannelGridView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        GridClickArmed = true;
        clickCurrentCell();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// Typing on the grid does not jump to a matching cell: the grid takes no text.
void ChannelGridView::keyboardSearch(const QString&) {}

void ChannelGridView::clickCurrentCell() {
    if (!GridClickArmed) return;
    GridClickArmed = false;
    if (currentRow() < 0 || currentColumn() < 0) return;
    const int row = channelOf(currentRow());
    const int col = forms::columnToEdit(context_.codeplug.channels, row, currentColumn());
    if (col != currentColumn()) setCurrentCell(tableRow(row), col);
    editRow_ = row;
    editCol_ = col;
    if (col == ColNumber) return;
    openEditor(row, col);
}

// Locking the editor disables the grid: an editor still open commits and
// closes, and nothing can open one until the grid is enabled again.
void ChannelGridView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        GridClickArmed = false;
        commitOpenEditor();
    }
    QTableWidget::changeEvent(event);
}

}  // namespace pl63::ui
