#include "ui/plain_header_view.h"

#include <QIcon>
#include <QStyleOptionHeader>
#include <QTableView>

namespace pl63::ui {

PlainHeaderView::PlainHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent) {
    setHighlightSections(false);
}

QSize PlainHeaderView::sectionSizeFromContents(int logicalIndex) const {
    const QVariant fixed = model()->headerData(logicalIndex, orientation(), Qt::SizeHintRole);
    if (fixed.isValid()) return fixed.toSize();
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.section = logicalIndex;
    option.text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    option.icon =
        model()->headerData(logicalIndex, orientation(), Qt::DecorationRole).value<QIcon>();
    option.fontMetrics = fontMetrics();
    if (isSortIndicatorShown()) option.sortIndicator = QStyleOptionHeader::SortDown;
    return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
}

void usePlainColumnHeader(QTableView& table) {
    table.setHorizontalHeader(new PlainHeaderView(Qt::Horizontal, &table));
}

}  // namespace pl63::ui
