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

// Gives `table` plain headers in both directions and turns off section
// highlighting. Call it while the table has no rows and no columns: Qt
// measures the header as soon as sections exist.
void usePlainHeaders(QTableView& table);

}  // namespace pl63::ui
