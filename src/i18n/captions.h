#pragma once
// Caption tables: per window, the rows {target, objectName, index, Chinese,
// English} in the order they are applied. A row changes one text in place:
// it never adds or removes list entries and never changes a selection.
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

namespace pl63::i18n {

enum class CaptionTarget {
    WindowTitle,  // the window's title; objectName is the window's own
    Text,         // QLabel, QAbstractButton, QGroupBox, QAction, QMenu (title)
    ListEntry,    // QComboBox entry `index`
    HeaderCell,   // column `index` of a table's header row
    ToolTip,      // QToolBar action number `index` (1-based, separators count)
};

struct CaptionRow {
    CaptionTarget target;
    std::string objectName;
    int index = 0;
    std::string zh;
    std::string en;
    // Elements of a control array (the grid's in-cell lists Combo5[5..8])
    // share one objectName and carry their element number in the dynamic
    // property "controlIndex"; -1 for an ordinary control.
    int element = -1;
};

using CaptionTable = std::vector<CaptionRow>;

// Dynamic property naming the element of a control array.
inline constexpr const char* kControlIndexProperty = "controlIndex";

// The widget or action a row names inside `window` (the window itself for a
// WindowTitle row); nullptr when there is none.
QObject* findCaptionTarget(QWidget* window, const CaptionRow& row);

// Writes the column of `languageFlag` (0 Chinese, 1 English) of every row
// into `window`; any other flag writes nothing. Returns a description of each
// row whose target was not found or cannot take the text, so tests can insist
// on none.
QStringList applyCaptionTable(QWidget* window, const CaptionTable& table, int languageFlag);

}  // namespace pl63::i18n
