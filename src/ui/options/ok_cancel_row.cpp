#include "ui/options/ok_cancel_row.h"

#include "ui/cancel_on_escape.h"

namespace pl63::ui {

OkCancelRow makeOkCancelRow(QWidget* window, RowAlignment alignment) {
    OkCancelRow row;
    row.ok = new QPushButton(window);
    row.ok->setObjectName(QStringLiteral("Command1"));
    row.cancel = new QPushButton(window);
    row.cancel->setObjectName(QStringLiteral("Command2"));
    row.layout = new QHBoxLayout;
    if (alignment != RowAlignment::Fill) row.layout->addStretch(1);
    row.layout->addWidget(row.ok);
    row.layout->addWidget(row.cancel);
    if (alignment == RowAlignment::Centre) row.layout->addStretch(1);
    cancelOnEscape(window, [cancel = row.cancel] { cancel->click(); });
    return row;
}

}  // namespace pl63::ui
