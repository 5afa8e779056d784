#pragma once
// The data the user edits, as one document: the Codeplug, the file it came
// from, whether it differs from what was last opened, saved, read or written,
// and its history of snapshots for undo and redo. The window program and the
// browser page both keep their data in one of these, so that undo, "modified"
// and the current file mean the same in both.
#include <functional>
#include <string>

#include "codeplug.h"
#include "codeplug_history.h"

namespace pl63 {

class EditedCodeplug {
public:
    EditedCodeplug();

    const Codeplug& data() const { return data_; }
    // The Codeplug itself, for tests that arrange data and for start-up;
    // nothing it changes here is recorded.
    Codeplug& dataForSetUp() { return data_; }

    // The file the data were last opened from or saved to (as the system
    // spells its path); empty when they came from New, a read or start-up.
    // Undo takes it back with the data.
    const std::string& filePath() const { return history_.file(); }
    bool isModified() const { return modified_; }

    // A change the user made, as one step named `name`. Data that come out
    // the same record nothing; the result says whether a step was recorded.
    using Edit = std::function<void(Codeplug&)>;
    bool change(const StepName& name, const Edit& edit);
    // A change that goes on in small pieces (a password typed key by key): it
    // joins the step before it when that step has the same name and nothing
    // was undone since.
    bool changeOngoing(const StepName& name, const Edit& edit);

    // New, Open, Read: the data replaced as a whole, undoably; the result is
    // what the data is compared with from now on. `file` is the file they
    // came from, empty for none.
    void replace(const StepName& name, const Edit& edit, std::string file);

    // A language switch: the grid's list and Off texts in every state kept
    // are rewritten, which is no change of the data.
    void translate(Language language);

    // A save succeeded: the data are what `file` holds.
    void markSaved(std::string file);
    // A write to the radio succeeded: the radio holds `sent`, the data as
    // they were when the image was built (the user may have gone on editing
    // while it was sent, and those edits stay modified).
    void markWritten(const Codeplug& sent);
    // Start-up: nothing before this can be undone, nothing is modified.
    void startOver();

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    const StepName& undoName() const { return history_.undoName(); }
    const StepName& redoName() const { return history_.redoName(); }
    // Only the data in the program: no radio and no file is touched. The
    // result says whether there was a step to move over.
    bool undo();
    bool redo();

private:
    void updateModified() { modified_ = !(data_ == clean_); }

    Codeplug data_;
    Codeplug clean_;  // what was last opened, saved, read or written
    CodeplugHistory history_;
    bool modified_ = false;
};

}  // namespace pl63
