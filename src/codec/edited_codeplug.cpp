#include "edited_codeplug.h"

namespace pl63 {

EditedCodeplug::EditedCodeplug() : history_(Codeplug{}) {}

bool EditedCodeplug::change(const StepName& name, const Edit& edit) {
    edit(data_);
    if (data_ == history_.current()) return false;
    history_.record(data_, name);
    updateModified();
    return true;
}

bool EditedCodeplug::changeOngoing(const StepName& name, const Edit& edit) {
    edit(data_);
    if (data_ == history_.current()) return false;
    history_.extend(data_, name);
    updateModified();
    return true;
}

void EditedCodeplug::replace(const StepName& name, const Edit& edit, std::string file) {
    edit(data_);
    // Opening the same data again is still a step: the file it names changed.
    history_.record(data_, name);
    history_.setFile(std::move(file));
    clean_ = data_;
    updateModified();
}

void EditedCodeplug::translate(Language language) {
    auto rewrite = [language](Codeplug& codeplug) { codeplug.channels.SetGrid1Text(language); };
    rewrite(data_);
    rewrite(clean_);
    history_.rewriteAll(rewrite);
    updateModified();
}

void EditedCodeplug::markSaved(std::string file) {
    clean_ = data_;
    history_.setFile(std::move(file));
    updateModified();
}

void EditedCodeplug::markWritten(const Codeplug& sent) {
    clean_ = sent;
    updateModified();
}

void EditedCodeplug::startOver() {
    clean_ = data_;
    history_.restart(data_);
    updateModified();
}

bool EditedCodeplug::undo() {
    if (!canUndo()) return false;
    data_ = history_.undo();
    updateModified();
    return true;
}

bool EditedCodeplug::redo() {
    if (!canRedo()) return false;
    data_ = history_.redo();
    updateModified();
    return true;
}

}  // namespace pl63
