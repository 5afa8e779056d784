#pragma once
// Table headers measured in the font they are painted in.
//
// Qt's QHeaderView sizes every section for bold text, in case the section is
// ever highlighted. Our tables never highlight a section, and measuring in
// bold loads the bold Latin face and a bold CJK fallback at start-up for that
// measurement alone, each a noticeable part of the time to the first window.
#include <QHeaderView>

class QTableView;

namespace pl63::ui {

class PlainHeaderView : public QHeaderView {
public:
    PlainHeaderView(Qt::Orientation orientation, QWidget* parent);

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
};

// Gives `table` a plain column header. Call it while the table has no
// columns: Qt measures the header as soon as sections exist. Our tables hide
// their row header, and a hidden header is never measured.
void usePlainColumnHeader(QTableView& table);

}  // namespace pl63::ui
