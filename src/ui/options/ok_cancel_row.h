#pragma once
// The OK (Command1) and Cancel (Command2) buttons under an option window's
// controls, Escape pressing Cancel. They are made without texts: the
// window's caption table writes them in the language in force.
#include <QHBoxLayout>
#include <QPushButton>
#include <QWidget>

namespace pl63::ui {

enum class RowAlignment {
    Right,   // the usual place
    Centre,  // under a table that is centred itself
    Fill,    // the buttons share the whole width
};

struct OkCancelRow {
    QPushButton* ok = nullptr;      // Command1
    QPushButton* cancel = nullptr;  // Command2
    QHBoxLayout* layout = nullptr;  // for the caller's layout to take
};

OkCancelRow makeOkCancelRow(QWidget* window, RowAlignment alignment);

}  // namespace pl63::ui
