#include "ui/codeplug_document.h"

#include <QFile>

namespace pl63::ui {

CodeplugDocument::CodeplugDocument() : history_(Codeplug{}) {}

Codeplug CodeplugDocument::snapshot() const {
    Codeplug state = data_;
    // Session state, not data: the debug window's unlock, and the band the
    // band question measures a change against (the band shown, once shown).
    state.DebugUnlocked = false;
    state.PreviousBandIndex = state.band;
    return state;
}

void CodeplugDocument::restore(const Codeplug& state) {
    const bool unlocked = data_.DebugUnlocked;
    data_ = state;
    data_.DebugUnlocked = unlocked;
}

QString CodeplugDocument::filePath() const {
    return QFile::decodeName(history_.file().c_str());
}

void CodeplugDocument::updateModified() {
    modified_ = !(snapshot() == clean_);
    emit stateChanged();
}

void CodeplugDocument::change(const StepName& name, const Edit& edit) {
    edit(data_);
    Codeplug after = snapshot();
    if (after == history_.current()) return;
    history_.record(after, name);
    updateModified();
}

void CodeplugDocument::changeOngoing(const StepName& name, const Edit& edit) {
    edit(data_);
    Codeplug after = snapshot();
    if (after == history_.current()) return;
    history_.extend(after, name);
    updateModified();
}

void CodeplugDocument::replace(const StepName& name, const Edit& edit, const QString& file) {
    edit(data_);
    Codeplug after = snapshot();
    // Opening the same data again is still a step: the file it names changed.
    history_.record(after, name);
    history_.setFile(QFile::encodeName(file).toStdString());
    clean_ = after;
    updateModified();
    emit replaced();
}

void CodeplugDocument::translate(Language language) {
    auto rewrite = [language](Codeplug& codeplug) { codeplug.channels.SetGrid1Text(language); };
    rewrite(data_);
    rewrite(clean_);
    history_.rewriteAll(rewrite);
    updateModified();
}

void CodeplugDocument::markSaved(const QString& file) {
    clean_ = snapshot();
    history_.setFile(QFile::encodeName(file).toStdString());
    updateModified();
    emit saved(file);
}

void CodeplugDocument::markWritten(const Codeplug& sent) {
    clean_ = sent;
    clean_.DebugUnlocked = false;
    clean_.PreviousBandIndex = clean_.band;
    updateModified();
}

void CodeplugDocument::startOver() {
    clean_ = snapshot();
    history_.restart(clean_);
    updateModified();
}

void CodeplugDocument::undo() {
    if (!canUndo()) return;
    restore(history_.undo());
    updateModified();
    emit replaced();
}

void CodeplugDocument::redo() {
    if (!canRedo()) return;
    restore(history_.redo());
    updateModified();
    emit replaced();
}

}  // namespace pl63::ui
