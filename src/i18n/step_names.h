#pragma once
// The names the Edit menu gives the steps it can undo and redo, in both
// languages, and the texts of the unsaved-changes question. Texts are data:
// a new kind of step is a new row.
#include <QString>
#include <string_view>

#include "codec/codeplug_history.h"

namespace pl63::i18n {

// A step named by its key in the step table ("band", "Form5", "Combo3", ...);
// an unknown key names itself.
StepName stepName(std::string_view key);
// A grid cell: "channel 4 RX frequency" / "信道 4 接收频率".
StepName gridCellStep(int row, int column);

// The Edit menu's items: "&Undo: <step>" / "撤销(&U)：<step>", or the item's
// plain caption when there is no step.
QString undoItemText(const StepName& step, int languageFlag);
QString redoItemText(const StepName& step, int languageFlag);

// "Save the changes to <file>?" with the file's name, or "untitled".
QString unsavedQuestion(const QString& fileName, int languageFlag);

}  // namespace pl63::i18n
