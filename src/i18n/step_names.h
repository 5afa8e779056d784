#pragma once
// The names the Edit menu gives the steps it can undo and redo, in both
// languages, and the texts of the unsaved-changes question, all from the
// caption catalogue. Pure C++.
#include <string>
#include <string_view>

#include "codec/codeplug_history.h"

namespace pl63::i18n {

// A step named by its key ("band", "Form5", "Combo3", ...): the caption of
// the control it comes from, or the catalogue's "Steps" row; an unknown key
// names itself.
StepName stepName(std::string_view key);
// A grid cell: "channel 4 RX frequency" / "信道 4 接收频率".
StepName gridCellStep(int row, int column);

// The Edit menu's items: "&Undo: <step>" / "撤销(&U)：<step>", or the item's
// plain caption when there is no step.
std::string undoItemText(const StepName& step, Language language);
std::string redoItemText(const StepName& step, Language language);

// "Save the changes to <file>?" with the file's name, or "untitled".
std::string unsavedQuestion(const std::string& fileName, Language language);

}  // namespace pl63::i18n
