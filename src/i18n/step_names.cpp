#include "i18n/step_names.h"

#include <array>

#include "i18n/caption_catalogue.h"

namespace pl63::i18n {
namespace {

// Steps named after the caption of the control they come from: the list's
// or check box's label on the Function Set panel, the toolbar's button.
struct BorrowedName {
    std::string_view key;
    std::string_view control;
    int index;
};
constexpr std::array<BorrowedName, 13> kBorrowed{{
    {"new", "Toolbar1", 1},
    {"read", "Toolbar1", 5},
    {"Combo3", "Label5", 0},
    {"Combo4", "Label1", 0},
    {"Combo9", "Label6", 0},
    {"Combo2", "Label4", 0},
    {"Combo6", "Label7", 0},
    {"Combo7", "Label8", 0},
    {"Combo11", "Label11", 0},
    {"Combo13", "Label13", 0},
    {"Combo12", "Label12", 0},
    {"Check3", "Check3", 0},
    {"Check4", "Check4", 0},
}};

// Grid columns 1 and 3 name their steps as their headers do; the others
// have a "Steps" row of their own.
const CaptionRow* columnName(int column) {
    if (const CaptionRow* own = findCaption("Steps", "Grid1", column)) return own;
    return findCaption("Form1", "Grid1", column);
}

std::string itemText(std::string_view plainItem, std::string_view prefix, const StepName& step,
                     Language language) {
    if (step.zh.empty() && step.en.empty()) return caption("Form1", plainItem).str(language);
    // The step name is the whole rest of the text: a "&" in it is no
    // accelerator.
    std::string name;
    for (char c : step.in(language)) name += c == '&' ? std::string("&&") : std::string(1, c);
    return caption("Steps", prefix).str(language) + name;
}

}  // namespace

StepName stepName(std::string_view key) {
    if (const CaptionRow* own = findCaption("Steps", key)) return own->text;
    for (const BorrowedName& borrowed : kBorrowed) {
        if (borrowed.key == key) return caption("Form1", borrowed.control, borrowed.index);
    }
    return {std::string(key), std::string(key)};
}

StepName gridCellStep(int row, int column) {
    const Bilingual channel = caption("Steps", "channel");
    const std::string number = " " + std::to_string(row);
    const CaptionRow* name = column >= 1 && column <= 8 ? columnName(column) : nullptr;
    if (!name) return {channel.zh + number, channel.en + number};
    return {channel.zh + number + " " + name->text.zh, channel.en + number + " " + name->text.en};
}

std::string undoItemText(const StepName& step, Language language) {
    return itemText("mnuUndo", "undoStep", step, language);
}

std::string redoItemText(const StepName& step, Language language) {
    return itemText("mnuRedo", "redoStep", step, language);
}

std::string unsavedQuestion(const std::string& fileName, Language language) {
    const std::string shown =
        fileName.empty() ? caption("Steps", "untitled").str(language) : fileName;
    return caption("Steps", "unsavedBefore").str(language) + shown +
           caption("Steps", "unsavedAfter").str(language);
}

}  // namespace pl63::i18n
